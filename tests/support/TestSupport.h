// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the tests: a scratch folder, file writing, made-up bytes, images and skins, and a
// recorder of message boxes.

#include "common/ShowMessage.h"

#include <QByteArray>
#include <QImage>
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
// `size` bytes of noise, the same every run.
QByteArray NoiseBytes(int size);
// An image whose pixels tell where they came from: red = x, green = y (both modulo 256), blue = 0x80.
QImage CoordinateImage(int width, int height);
// Writes dir/<name>/ with `layout` as layout.cor and 800 x 100 coordinate bitmaps, but for `missing`
// ("font" ...); gives the folder.
QString WriteSkin(const ScratchDir& dir, const QString& name, const QByteArray& layout, const QString& missing = {});

// The texts of `messages`, in order.
QStringList MessageTexts(const Messages& messages);

// A PDF titled "Le Titre" of pages of 400 x 600 points: a red block over the top half with a line of
// text, a full-page blue picture (a scan), then `heavyPages` pages of `strokes` thin lines each (slow to
// render). Returns its path.
QString WriteTestPdf(const ScratchDir& dir, const QString& name, int heavyPages = 0, int strokes = 0);

// Records the message boxes shown while it lives, instead of showing them.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<ShownMessage>& messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    std::vector<ShownMessage> m_messages;
    MessageSink m_previous;
};
