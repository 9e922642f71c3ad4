// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/archive/RarVolumes.h"

#include <QRegularExpression>

QStringList RarVolumeSet(const QString& path, const std::function<bool(const QString&)>& exists)
{
    static const QRegularExpression partName(QStringLiteral("^(.*\\.part)(\\d+)(\\.rar)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = partName.match(path); m.hasMatch()) {
        const int width = int(m.capturedLength(2));
        const auto volume = [&](int n) {
            return m.captured(1) + QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')) + m.captured(3);
        };
        if (!exists(volume(1)))
            return {path};
        QStringList set;
        for (int n = 1; exists(volume(n)); ++n)
            set << volume(n);
        return set;
    }

    QStringList set{path};
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : path.mid(dot + 1);
    if (extension.compare(u"rar", Qt::CaseInsensitive) != 0 && extension.compare(u"cbr", Qt::CaseInsensitive) != 0)
        return set;
    const QString stem = path.left(dot + 1);
    for (int i = 0; i < 26 * 100; ++i) {
        const QChar letter = QChar(extension[0].unicode() + i / 100);
        if (!letter.isLetter())
            break;
        const QString next = stem + letter + QStringLiteral("%1").arg(i % 100, 2, 10, QLatin1Char('0'));
        if (!exists(next))
            break;
        set << next;
    }
    return set;
}
