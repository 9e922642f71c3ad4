// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Choosing another language, once the Preferences window has closed.

struct AppState;

// Releases the module in use, asks for a language over the modules in the lang folders and makes the
// choice effective. Preferences opened afterwards show the new language.
void SelectLanguage(AppState& state);
