// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/MouseActions.h"

#include "common/Seam.h"

namespace {
using RunnersSeam = Seam<MouseActionRunners, struct RunnersTag>;
} // namespace

MouseActionRunners SetMouseActionRunners(MouseActionRunners runners)
{
    return RunnersSeam::replace(std::move(runners));
}

void RunViewMouseAction(int code)
{
    if (const auto& run = RunnersSeam::current().gesture)
        run(code);
}

void RunViewNextPage()
{
    if (const auto& run = RunnersSeam::current().nextPage)
        run();
}
