#include "book/Preload.h"

#include "app/AppState.h"

// FIXME: the background decode arrives with the reading work; until then nothing is preloaded.
void ArmPreload(AppState&) {}

bool TakePreloadedPage(AppState&)
{
    return false;
}

void DiscardPreloadedPage(AppState& state)
{
    state.book.preloaded.reset();
}

void CancelPreload(AppState&) {}
