// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs the commands open: the open-file dialog, the folder chooser, the book choice inside an
// archive, the jump, info and preferences dialogs. Each is a replaceable function, so tests run the
// commands without a modal dialog.

#include "book/archive/BookChooser.h"
#include "dialogs/info/InfoDialog.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;
struct AppState;

struct OpenFileFilter {
    QString name;     // as shown in English; OpenFileNameFilters gives it in the active language
    QString patterns; // ";"-separated
};

// The six filters of the open-file dialog, in order; the first is selected.
const std::vector<OpenFileFilter>& OpenFileFilters();

// The same as Qt name filters: "name (patterns)", patterns separated by blanks ("*.*" becomes "*",
// which is what it means to a reader).
QStringList OpenFileNameFilters();

// Where the next open-file dialog starts after `chosen` was opened: for an image (a lower-case "jpg",
// "peg", "png", "gif", "bmp", "ebp", "vif" or "jxl" ending) the parent of its folder, since the folder itself is the
// book; otherwise the folder holding the file. Both end in the separator.
QString CurrentDirAfterOpen(const QString& chosen);

// The dialogs as replaceable functions; an empty member means the program's own dialog.
struct CommandDialogs {
    // A file chosen to open, starting in `startDir`; empty when cancelled.
    std::function<QString(QWidget* owner, const QString& startDir)> chooseFile;
    // A folder chosen to open, starting at `startDir`; empty when cancelled.
    std::function<QString(QWidget* owner, const QString& startDir)> chooseDirectory;
    // The page number chosen in the jump dialog (1-based); 0 or less when cancelled.
    std::function<int(QWidget* owner, int pageIndex, int pageCount)> jumpPage;
    std::function<void(QWidget* owner, const BookInfo& info)> showInfo;
    std::function<void(AppState& state)> showPreferences;
    // The book picked inside an archive whose folders branch.
    BookChooser chooseBook = {};
};

// Replaces the dialogs in use and returns the ones before.
CommandDialogs SetCommandDialogs(CommandDialogs dialogs);
// The dialogs in use.
const CommandDialogs& CurrentCommandDialogs();

QString ChooseFileToOpen(QWidget* owner, const QString& startDir);
QString ChooseFolderToOpen(QWidget* owner, const QString& startDir);

// The chooser the openings of archives ask, over `owner`.
QStringList ChooseBookInArchive(QWidget* owner, const BookTree& tree, ArchiveFamily family);
