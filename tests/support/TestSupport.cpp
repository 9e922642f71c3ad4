#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

ScratchDir::ScratchDir() : m_dir(QDir::tempPath() + QStringLiteral("/bullevista-test-XXXXXX")) {}

QString ScratchDir::path() const
{
    return m_dir.path() + u'/';
}

QString ScratchDir::write(const QString& name, const QByteArray& bytes) const
{
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return full;
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

MessageRecorder::MessageRecorder()
{
    m_previous = SetMessageSink([this](const ShownMessage& m) { m_messages.push_back(m); });
}

MessageRecorder::~MessageRecorder()
{
    SetMessageSink(std::move(m_previous));
}

QStringList MessageRecorder::texts() const
{
    QStringList list;
    for (const ShownMessage& m : m_messages)
        list << m.text;
    return list;
}
