// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The book path named on the command line: the arguments after the program's name as one text, cut to
// the path length limit; a leading double quote drops that character and the last one. Empty when none.
QString CommandLineBookPath(const QStringList& argumentsAfterProgram);
