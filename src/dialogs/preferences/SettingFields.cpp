// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/SettingFields.h"

#include <climits>

int ContrastForSlider(int position)
{
    return position >= -4 && position <= 4 ? 0 : position;
}

int ContrastSliderStart(int contrastval)
{
    return contrastval == 0 ? -1 : contrastval;
}

int LeadingNumber(QStringView text)
{
    long long value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        // Twenty digits pasted into a field saturate instead of wrapping round to a small number.
        value = std::min<long long>(value * 10 + (c.unicode() - u'0'), INT_MAX);
    }
    return int(value);
}

int WheelPixelsForField(QStringView text)
{
    const int value = LeadingNumber(text);
    return value >= 1 ? value : 5;
}
