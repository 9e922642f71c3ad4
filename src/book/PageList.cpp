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

void PageNameList::sort()
{
    std::sort(m_pages.begin(), m_pages.end(), [](const PageName& a, const PageName& b) {
        if (const int order = ComparePageNames(a.lowered, b.lowered))
            return order < 0;
        return ComparePageNames(QFile::encodeName(a.name), QFile::encodeName(b.name)) < 0;
    });
}
