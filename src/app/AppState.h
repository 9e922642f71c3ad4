// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide records. One AppState is created by RunBullevista and lives for the whole run. Only the
// app sees it whole: the layers below take the record they work on (BookState&, ViewRecords, SkinLayout&,
// a path), and reach back up only through the hooks the app installs (AppHooks).

#include "app/AccelTable.h"
#include "app/HistoryStore.h"
#include "app/ExtractionWaits.h"
#include "book/BookState.h"
#include "book/ThumbnailWorker.h"
#include "book/Preload.h"
#include "common/Settings.h"
#include "dialogs/LanguageModules.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinLayout.h"
#include "skin/SkinText.h"
#include "view/ShelfView.h"
#include "view/PageOverview.h"
#include "view/ViewRecords.h"

#include <memory>

class FolderLock;

#include <QPointer>
#include <QString>
#include <QWidget>

class PageView;
class PreferencesFrame;

struct AppPaths {
    QString ExeDir;              // ends in "/"
    QString settingsFile;        // empty when no settings file can be named
    QString WorkDir;             // ends in "/"; the scratch folder this run created for archive pages
    bool workDirCreated = false; // only a folder this run created is ever emptied or removed
    std::shared_ptr<FolderLock> workDirLock; // held while this run uses WorkDir (its lock file lies beside it)
    QString historyFile;         // the reading history's database; empty: no history is kept
    QString thumbnailRoot;       // ends in "/"; the books' small pages, one folder each; empty: none kept
};

// The two windows; empty while they don't exist. Most of the program needs of the main window only what
// any widget does (own a dialog, repaint, carry the title); its own operations go through MainWindowOf.
struct AppWindows {
    QPointer<QWidget> main;
    QPointer<PageView> pageView;
    QPointer<ShelfView> shelf; // the recent books, over the page view while no book is open
};

// The page overview while it is open: its grid over the page view and the worker making its thumbnails;
// and the worker making the cover of a book just opened that had none.
struct OverviewState {
    std::unique_ptr<ThumbnailWorker> worker;
    QPointer<PageOverview> widget;
    std::unique_ptr<ThumbnailWorker> cover;
};

struct AppState {
    AppPaths paths;
    Settings settings;
    HistoryState history;            // the reading history, while it can be used
    LanguageHandle language;         // the language module in use; unloaded for the built-in English
    ExtractionWaits extractionWaits; // before the book: the book's worker ends before it goes
    BookState book;
    OverviewState overview; // after the book: its worker asks the book's extraction, so it ends first
    ViewState view;
    AccelTable accelTable;
    SkinLayout skin;         // the active skin's layout, with its sliders' values and its texts' glyphs
    SkinBitmaps skinBitmaps; // and its bitmaps
    SkinTexts skinTexts;     // what the program's named texts say, whichever skin shows them
    AppWindows windows;
    QPointer<PreferencesFrame> preferences; // the one Preferences window, while it is open
    NavigationState navigation;
    PreloadState preload;  // its worker thread ends before the records above go
    bool shutDown = false; // ShutDown has run
};

// The page view's share of the records.
inline ViewRecords viewRecords(AppState& state)
{
    return {state.book, state.view, state.settings, state.navigation};
}
