#include "app/AppHooks.h"

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "dialogs/BookChoiceDialog.h"

AppHooks::AppHooks(AppState& state)
    : m_previousRunners(SetMouseActionRunners(
        {[&state](int code) { RunMouseAction(state, code); }, [&state] { RunCommand(state, Command::Forward); }})),
      m_previousChooser(SetBookChooser([&state](const BookTree& tree, ArchiveFamily family) {
          return RunBookChoiceDialog(state.windows.main, tree, family);
      }))
{}

AppHooks::~AppHooks()
{
    SetMouseActionRunners(std::move(m_previousRunners));
    SetBookChooser(std::move(m_previousChooser));
}
