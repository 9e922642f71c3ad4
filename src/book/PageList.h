// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages of the book open now, in reading order. Names sort byte-wise on their lowered form, so
// 'page10.jpg' comes before 'page2.jpg', unless the reader asks for the natural order, where digit runs
// compare as numbers. The file system here tells 'A.png' from
// 'a.png', so each page keeps the name it was found under for opening and the lowered one for ordering.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <vector>

struct PageName {
    QString name;       // the bare file name as found in the directory, opened as BookDir + name
    QByteArray lowered; // its bytes on disk with A..Z lowered; only filters and orders
};

// The bytes of a file name with the letters A..Z lowered; every other byte is kept.
QByteArray LowerPageName(QByteArrayView name);

// True for a lowered name holding, anywhere, one of the page image extensions (.bmp, .png, .jpg,
// .jpeg, .gif, .webp, .avif, .jxl).
bool IsPageName(QByteArrayView lowered);

// Orders two lowered names byte by byte, bytes read as signed 8-bit values, so a name with a byte of 128
// or more at the first difference comes first. A name that is the start of the other comes first.
// Negative, zero or positive like strcmp.
int ComparePageNames(QByteArrayView a, QByteArrayView b);

// How a book's pages are ordered: byte-wise (the default), or with digit runs read as numbers.
enum class PageOrder { Bytes, Natural };

// Orders two lowered names with each run of digits read as one number ("p9a" before "p10", "2" before
// "010"); other bytes compare as in ComparePageNames. Zero for names that differ only in leading zeros
// (or not at all): the caller then breaks the tie byte-wise, so the order stays total.
int CompareNaturalNames(QByteArrayView a, QByteArrayView b);

// Reading order of two pages given their lowered names and their real bytes on disk: the order's own
// comparison on the lowered names, then ComparePageNames on the lowered names, then on the real bytes.
bool PageNameBefore(QByteArrayView loweredA, QByteArrayView realA, QByteArrayView loweredB, QByteArrayView realB,
                    PageOrder order);

// A page entry for a file name given as its bytes on disk.
PageName MakePageName(QByteArrayView onDisk);

class PageNameList {
public:
    PageNameList() = default;
    // A list of real names, kept in the order given (a book made in code; a scan sorts its own).
    PageNameList(const QStringList& names);
    PageNameList(std::initializer_list<QString> names) : PageNameList(QStringList(names)) {}

    void clear() { m_pages.clear(); }
    void append(PageName page) { m_pages.push_back(std::move(page)); }
    std::int32_t count() const { return std::int32_t(m_pages.size()); }
    bool isEmpty() const { return m_pages.empty(); }
    // The real name of page i (0-based); empty when i is outside the list.
    QString item(std::int32_t i) const;
    QByteArray lowered(std::int32_t i) const;
    // Reading order: PageNameBefore, the real bytes being the names' encoded form.
    void sort(PageOrder order = PageOrder::Bytes);

    const std::vector<PageName>& pages() const { return m_pages; }

    // The same reading in the manner of a QStringList of the real names.
    qsizetype size() const { return qsizetype(m_pages.size()); }
    QString value(qsizetype i) const { return item(std::int32_t(i)); }
    const QString& operator[](qsizetype i) const { return m_pages[size_t(i)].name; }
    PageNameList& operator<<(const QString& name);

private:
    std::vector<PageName> m_pages;
};
