#include "view/MouseActions.h"

#include "common/Seam.h"

namespace {
using RunnerSeam = Seam<MouseActionRunner, struct RunnerTag>;
} // namespace

MouseActionRunner SetMouseActionRunner(MouseActionRunner runner)
{
    return RunnerSeam::replace(std::move(runner));
}

void RunViewMouseAction(int code)
{
    if (const MouseActionRunner& run = RunnerSeam::current())
        run(code);
}
