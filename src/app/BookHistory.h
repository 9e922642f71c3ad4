// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reading history as the program uses it: each book opened starts at its remembered page, the page is
// remembered as it is turned, and the books read last are listed. A history that can't be used is
// dropped for the rest of the run, and the reader is told once.

#include "app/HistoryStore.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

struct AppState;

// A folder is named by its path alone (pages added to it keep it the same book); a file also by its size
// and modification time.
BookIdentity IdentifyBook(const QString& path);

// The page to resume `book` at: the row's page when resuming is on and the row is of the same file; none
// for a book never read, replaced since, or when resuming is off.
std::optional<std::int32_t> ResumePageFrom(const std::optional<HistoryRow>& row, const BookIdentity& book,
                                          bool resumeOn);

// Opens the history file named in AppPaths; does nothing when none is named.
void OpenHistory(AppState& state);

// Names the book about to be opened from `bookPath` and gives the page it resumes at.
std::optional<std::int32_t> HistoryResumePage(AppState& state, const QString& bookPath);

// The row the history keeps for the book open now, from the app's state.
HistoryRow HistoryRowOf(const AppState& state);

// Remembers the open book at its page (cheap: one row written).
void RememberPage(AppState& state);

// The `count` books read last, newest first; none without history.
std::vector<HistoryRow> RecentBooks(AppState& state, int count);

// Keeps the `keep` books read last; the others' rows and thumbnail folders go.
void PruneHistory(AppState& state, int keep);

// The open book remembered, then the database closed.
void CloseHistory(AppState& state);
