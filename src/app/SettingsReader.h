// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a key=value file: the settings file, and the info.bdi file of a book.

#include <QByteArray>
#include <QString>
#include <vector>

class SettingsReader {
public:
    struct Entry {
        QByteArray key;   // at most kMaxKeyBytes bytes; blanks are part of it
        QByteArray value; // everything after the first "="
    };

    static constexpr int kLineBufferBytes = 276; // one read takes at most 275 bytes
    static constexpr int kMaxKeyBytes = 20;

    SettingsReader() = default;
    // Loads the file; a file that can't be opened leaves the reader empty.
    explicit SettingsReader(const QString& path);

    // Lines as the reader splits them, for files already in memory.
    static SettingsReader fromText(QByteArrayView text);

    // Value of the first entry whose key equals `key` byte for byte; `fallback` when there is none.
    QByteArray lookup(QByteArrayView key, QByteArrayView fallback) const;

    int count() const { return int(m_entries.size()); }
    const Entry& entry(int i) const { return m_entries[std::size_t(i)]; }
    const QString& path() const { return m_path; }

private:
    void addLine(QByteArrayView line);

    std::vector<Entry> m_entries;
    QString m_path;
};
