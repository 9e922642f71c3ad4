// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/PageListIcon.h"

QPoint PageIconPosition(int left, int top, int right, int bottom)
{
    const long long l = left * kDialogBaseX / 4, r = right * kDialogBaseX / 4;
    const long long t = top * kDialogBaseY / 8, b = (bottom - 8) * kDialogBaseY / 8;
    if (r == 0 || b == 0)
        return {left, top};
    const long long x = (l + (r - l - kPageIconSize) / 2) * right / r;
    const long long y = (t + (b - t - kPageIconSize) / 2) * (bottom - 8) / b;
    return {int(x), int(y)};
}
