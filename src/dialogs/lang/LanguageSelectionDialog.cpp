// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/lang/LanguageSelectionDialog.h"

#include "dialogs/ChooseOnEnter.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/OwnerDrawnRow.h"
#include "dialogs/preferences/PageListIcon.h"

#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

namespace {
constexpr int kRowHeight = 40;

int rowInUse(const std::vector<LanguageEntry>& entries, const QString& langfile)
{
    if (langfile == u"default" || langfile == u"none")
        return 0;
    for (std::size_t row = 1; row < entries.size(); ++row)
        if (entries[row].note == langfile)
            return int(row);
    return -1;
}
} // namespace

LanguageSelectionDialog::LanguageSelectionDialog(std::vector<LanguageEntry> entries, const QString& langfile,
                                                 QWidget* owner)
    : QDialog(owner), m_entries(std::move(entries))
{
    setObjectName(QStringLiteral("118"));
    setWindowTitle(QStringLiteral("Language Selection (double-click to select)"));
    m_list = new QListWidget;
    m_list->setObjectName(QString::number(kListId));
    m_list->setUniformItemSizes(true);
    const int inUse = rowInUse(m_entries, langfile);
    m_list->setItemDelegate(new LanguageRowDelegate(m_entries, inUse, m_list));
    for (std::size_t row = 0; row < m_entries.size(); ++row)
        m_list->addItem(QString()); // the rows' texts live in the entries, drawn by the delegate
    m_list->setCurrentRow(inUse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(7, 7, 7, 7);
    layout->addWidget(m_list);
    resize(DialogUnitsOf(*this).size(240, 160));
    connect(m_list, &QListWidget::itemDoubleClicked, this, &LanguageSelectionDialog::choose);
    ChooseOnEnter(*m_list, [this] { choose(); });
}

void LanguageSelectionDialog::choose()
{
    const int row = m_list->currentRow();
    if (row < 0 || std::size_t(row) >= m_entries.size())
        return;
    // A row marked "Wrong language file" is chosen all the same; applying it falls back to the built-in.
    m_chosen = row == 0 ? QStringLiteral("default") : m_entries[std::size_t(row)].note;
    accept();
}

LanguageRowDelegate::LanguageRowDelegate(const std::vector<LanguageEntry>& entries, int inUse, QObject* parent)
    : QStyledItemDelegate(parent), m_entries(entries), m_inUse(inUse)
{}

QSize LanguageRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.rect.width(), kRowHeight};
}

void LanguageRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.row() < 0 || std::size_t(index.row()) >= m_entries.size())
        return;
    const LanguageEntry& entry = m_entries[std::size_t(index.row())];
    const QRect row = option.rect;
    const int left = row.left(), top = row.top(), right = row.left() + row.width();
    const int bottom = row.top() + row.height();
    const QRect inset(QPoint(left + 2, top + 1), QPoint(right - 3, bottom - 2));

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    PaintRowBackground(*painter, option, inset);
    if (!entry.icon.isNull())
        painter->drawImage(LanguageIconPosition(left, top, right, bottom), entry.icon);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setBold(index.row() == m_inUse);
    painter->setFont(font);
    painter->drawText(QRect(QPoint(left + 48, top), QPoint(right - 1, bottom - 1)),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, entry.description);
    font.setPixelSize(12);
    font.setBold(false);
    painter->setFont(font);
    painter->drawText(QRect(QPoint(left + 48, bottom - 15), QPoint(right - 25, bottom - 1)),
                      Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, entry.note);
    painter->restore();
}

QPoint LanguageIconPosition(int left, int top, int right, int bottom)
{
    const long long l = left * kDialogBaseX / 4, r = right * kDialogBaseX / 4;
    const long long t = top * kDialogBaseY / 8, b = bottom * kDialogBaseY / 8;
    if (r == 0 || b == 0)
        return {left, top};
    const long long x = (l + 12) * right / r;
    const long long y = (t + (b - t - kPageIconSize) / 2) * bottom / b;
    return {int(x), int(y)};
}
