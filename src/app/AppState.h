#pragma once
// The process-wide records. One AppState is created by main() and lives for the whole run; code that is
// called back by Qt reaches it through appState(). Subsystems take the record they need as a parameter.

#include "app/AccelTable.h"
#include "app/Settings.h"
#include "book/BookState.h"
#include "book/Preload.h"
#include "skin/SkinText.h"
#include "view/NavigationState.h"
#include "view/ViewState.h"

#include <QPointer>
#include <QString>

class MainWindow;
class PageView;

struct AppPaths {
    QString ExeDir;       // ends in "/"
    QString settingsFile; // empty when no settings file can be named
    QString WorkDir;      // ends in "/"; the scratch folder this run created for archive pages
    bool workDirCreated = false; // only a folder this run created is ever emptied or removed
};

// The two windows; empty while they don't exist.
struct AppWindows {
    QPointer<MainWindow> main;
    QPointer<PageView> pageView;
};

struct AppState {
    AppPaths paths;
    Settings settings;
    BookState book;
    ViewState view;
    AccelTable accelTable;
    SkinTexts skinTexts;
    AppWindows windows;
    NavigationState navigation;
    PreloadState preload; // its worker thread ends before the records above go
    unsigned TimerResolution = 1;
    bool shutDown = false; // ShutDown has run
};

// The one AppState of the running program (set by main()).
AppState& appState();
void setAppState(AppState* state);
