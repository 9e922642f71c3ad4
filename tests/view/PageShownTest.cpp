#include "view/PageShown.h"

#include "app/AppState.h"
#include "app/SettingsFile.h"
#include "app/SettingsReader.h"

#include <gtest/gtest.h>

TEST(PageShown, OffsetsStretchingAndRebuild)
{
    struct Case {
        const char* what;
        bool resume;
        int startstretched;
        bool stretchedBefore;
        int x, y;
        bool stretchedAfter, rebuild;
    } cases[] = {
        {"a page starts at its top-left corner", false, 0, false, 0, 0, false, false},
        {"the page restored by openlast gets its offsets", true, 0, false, 15, 25, false, false},
        {"startstretched turns the stretched view on", false, 1, false, 0, 0, true, true},
        {"a negative startstretched is off", false, -1, false, 0, 0, false, false},
        {"the stretched view stays on and rebuilds", false, 0, true, 0, 0, true, true},
    };
    for (const Case& c : cases) {
        AppState state;
        state.settings = ReadSettings(SettingsReader(), QStringLiteral("/"));
        state.settings.startstretched = c.startstretched;
        state.settings.previousx = 15;
        state.settings.previousy = 25;
        state.book.resumePending = c.resume;
        state.book.scrollX = 99;
        state.book.scrollY = 99;
        state.view.stretched = c.stretchedBefore;
        const bool rebuild = ApplyPageShown(state.book, state.view, state.settings);
        EXPECT_EQ(state.book.scrollX, c.x) << c.what;
        EXPECT_EQ(state.book.scrollY, c.y) << c.what;
        EXPECT_FALSE(state.book.resumePending) << c.what;
        EXPECT_EQ(state.view.stretched, c.stretchedAfter) << c.what;
        EXPECT_EQ(rebuild, c.rebuild) << c.what;
        EXPECT_EQ(state.view.rerenderPending, c.rebuild) << c.what;
    }
}
