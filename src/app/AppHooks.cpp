#include "app/AppHooks.h"

#include "app/Commands.h"
#include "dialogs/BookChoiceDialog.h"

AppHooks::AppHooks(AppState& state)
    : m_previousRunner(SetMouseActionRunner([&state](int code) { RunMouseAction(state, code); })),
      m_previousChooser(SetBookChooser(RunBookChoiceDialog))
{}

AppHooks::~AppHooks()
{
    SetMouseActionRunner(std::move(m_previousRunner));
    SetBookChooser(std::move(m_previousChooser));
}
