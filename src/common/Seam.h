// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A replaceable function behind one of the program's seams (where message boxes go, how free disk space
// is measured, the dialogs the commands open). Tests put their own in and restore the previous one
// afterwards.

#include <utility>

template <typename Function, typename Tag> struct Seam {
    static Function& current()
    {
        static Function function;
        return function;
    }
    // Installs `function` and returns the one it replaces.
    static Function replace(Function function) { return std::exchange(current(), std::move(function)); }
};
