// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PageList.h"

#include <QFile>
#include <algorithm>
#include <array>

QByteArray LowerPageName(QByteArrayView name)
{
    QByteArray lowered(name.data(), name.size());
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lowered;
}

bool IsPageName(QByteArrayView lowered)
{
    // The extension may stand anywhere in the name: 'cover.jpg.txt' and a folder 'scans.png' are listed
    // too, and simply fail to decode when shown.
    static constexpr std::array<QByteArrayView, 8> kExtensions{".bmp", ".png",  ".jpg",  ".jpeg",
                                                               ".gif", ".webp", ".avif", ".jxl"};
    return std::any_of(kExtensions.begin(), kExtensions.end(),
                       [&](QByteArrayView ext) { return lowered.contains(ext); });
}

int ComparePageNames(QByteArrayView a, QByteArrayView b)
{
    const qsizetype shared = std::min(a.size(), b.size());
    for (qsizetype j = 0; j < shared; ++j) {
        const auto x = static_cast<signed char>(a[j]);
        const auto y = static_cast<signed char>(b[j]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    // One name is the start of the other: the shorter goes first, so the order never depends on the
    // order the directory listed them in.
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

int CompareNaturalNames(QByteArrayView a, QByteArrayView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            // Two numbers: past their leading zeros, the longer run is the larger; runs of one length
            // compare digit by digit. A run may be longer than any integer type holds.
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && isDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isDigit(b[endB]))
                ++endB;
            if (endA - i != endB - j)
                return endA - i < endB - j ? -1 : 1;
            for (; i < endA; ++i, ++j)
                if (a[i] != b[j])
                    return a[i] < b[j] ? -1 : 1;
            continue;
        }
        const auto x = static_cast<signed char>(a[i]);
        const auto y = static_cast<signed char>(b[j]);
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    const bool aLeft = i < a.size();
    const bool bLeft = j < b.size();
    return aLeft == bLeft ? 0 : (aLeft ? 1 : -1);
}

bool PageNameBefore(QByteArrayView loweredA, QByteArrayView realA, QByteArrayView loweredB, QByteArrayView realB,
                    PageOrder order)
{
    if (order == PageOrder::Natural)
        if (const int natural = CompareNaturalNames(loweredA, loweredB))
            return natural < 0;
    if (const int bytes = ComparePageNames(loweredA, loweredB))
        return bytes < 0;
    return ComparePageNames(realA, realB) < 0;
}

PageName MakePageName(QByteArrayView onDisk)
{
    return {QFile::decodeName(QByteArray(onDisk.data(), onDisk.size())), LowerPageName(onDisk)};
}

PageNameList::PageNameList(const QStringList& names)
{
    for (const QString& name : names)
        *this << name;
}

PageNameList& PageNameList::operator<<(const QString& name)
{
    append(MakePageName(QFile::encodeName(name)));
    return *this;
}

QString PageNameList::item(std::int32_t i) const
{
    return i >= 0 && i < count() ? m_pages[size_t(i)].name : QString();
}

QByteArray PageNameList::lowered(std::int32_t i) const
{
    return i >= 0 && i < count() ? m_pages[size_t(i)].lowered : QByteArray();
}

void PageNameList::sort(PageOrder order)
{
    std::sort(m_pages.begin(), m_pages.end(), [order](const PageName& a, const PageName& b) {
        // The real bytes are only needed for names lowered alike, so they are encoded then alone.
        if (a.lowered != b.lowered)
            return PageNameBefore(a.lowered, {}, b.lowered, {}, order);
        return ComparePageNames(QFile::encodeName(a.name), QFile::encodeName(b.name)) < 0;
    });
}
