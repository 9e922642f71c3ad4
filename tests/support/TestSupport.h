#pragma once
// Helpers shared by the tests: a scratch folder, file writing, and a recorder of message boxes.

#include "common/ShowMessage.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <vector>

// A temporary folder removed at the end of the test; path() ends in "/".
class ScratchDir {
public:
    ScratchDir();
    QString path() const;
    QString file(const QString& name) const { return path() + name; }
    // Writes `bytes` to `name` (folders on the way are created) and returns the full path.
    QString write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

QByteArray ReadWholeFile(const QString& path);

// Records the message boxes shown while it lives, instead of showing them.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<ShownMessage>& messages() const { return m_messages; }
    QStringList texts() const;

private:
    std::vector<ShownMessage> m_messages;
    MessageSink m_previous;
};
