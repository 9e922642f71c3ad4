// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/JumpField.h"

#include "dialogs/preferences/SettingFields.h"

#include <algorithm>

int JumpSliderPosition(QStringView fieldText, int pageCount)
{
    return std::clamp(LeadingNumber(fieldText), 1, std::max(pageCount, 1));
}

int JumpResult(QStringView fieldText)
{
    return LeadingNumber(fieldText);
}
