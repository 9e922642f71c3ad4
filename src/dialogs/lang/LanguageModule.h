// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A language module's file: a Qt binary resource bundle with the catalogue "catalogue.qm" and the icon
// "icon.png" at its root. A module "loads" when its bundle registers and its catalogue loads. Qt reads a
// registered bundle in place and trusts every offset in it, so a bundle is checked whole first.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

class QTranslator;

// A module is a few kilobytes; anything beyond this is no module.
inline constexpr qint64 kMaxModuleBytes = 8 * 1024 * 1024;

// True when Qt may register `bytes`: a header it knows, every node, name and stored file the tree
// reaches inside the bytes, children always after their directory (so no walk loops), and no file
// stored compressed (its unpacked size would be the file's word alone).
bool IsWholeBundle(const QByteArray& bytes);

// True when `name` can name only a file in the lang folder itself: not empty, no separator of either
// kind, not "." or "..", no NUL, at most 255 characters.
bool IsModuleFileName(const QString& name);

// The bytes of the regular file at `path` when it holds at most kMaxModuleBytes; nothing for anything
// else (a folder, a FIFO, a file too big or unreadable).
std::optional<QByteArray> ReadModuleFile(const QString& path);

// One loaded module: its bytes registered under a resource root of its own, and its catalogue. Not
// copied: Qt and the catalogue point into the bytes until unload() (or the destructor) lets them go.
class LanguageModule {
public:
    LanguageModule();
    ~LanguageModule();
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // Loads the module at `path`, unloading the one held first. False, and nothing held, when the file
    // is no whole bundle, does not register, or has no catalogue that loads.
    bool load(const QString& path);
    void unload();
    bool isLoaded() const { return m_catalogue != nullptr; }
    QTranslator* catalogue() const { return m_catalogue.get(); }
    // Qt's own texts (the standard file dialogs, the edits' menus) in the catalogue's language, when the
    // system has them; null otherwise.
    QTranslator* qtTexts() const { return m_qtTexts.get(); }

    // String 1 as the catalogue has it, at most 99 characters; empty when it has none.
    QString description() const;
    // The module's icon, at most 48 x 48; null when it has none that decodes.
    QImage icon() const;

private:
    QByteArray m_bytes;
    QString m_root; // where the bundle's files appear, ":" + m_root + "/catalogue.qm"
    std::unique_ptr<QTranslator> m_catalogue;
    std::unique_ptr<QTranslator> m_qtTexts;
};
