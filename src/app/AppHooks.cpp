#include "app/AppHooks.h"

#include "app/Commands.h"
#include "dialogs/BookChoiceDialog.h"

AppHooks::AppHooks(AppState& state)
    : m_previousRunners(SetMouseActionRunners(
        {[&state](int code) { RunMouseAction(state, code); }, [&state] { RunCommand(state, Command::Forward); }})),
      m_previousChooser(SetBookChooser(RunBookChoiceDialog))
{}

AppHooks::~AppHooks()
{
    SetMouseActionRunners(std::move(m_previousRunners));
    SetBookChooser(std::move(m_previousChooser));
}
