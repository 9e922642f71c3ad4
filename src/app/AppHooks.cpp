#include "app/AppHooks.h"

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "dialogs/BookChoiceDialog.h"

AppHooks::AppHooks(AppState& state)
    : m_previousRunner(SetMouseActionRunner([&state](int code) { RunMouseAction(state, code); })),
      m_previousChooser(SetBookChooser([&state](const BookTree& tree, ArchiveFamily family) {
          return RunBookChoiceDialog(state.windows.main, tree, family);
      }))
{}

AppHooks::~AppHooks()
{
    SetMouseActionRunner(std::move(m_previousRunner));
    SetBookChooser(std::move(m_previousChooser));
}
