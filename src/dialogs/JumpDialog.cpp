// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/JumpDialog.h"

#include "book/ThumbnailCache.h"
#include "dialogs/JumpField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

JumpDialog::JumpDialog(int pageIndex, int pageCount, QWidget* owner, JumpThumbnails thumbnails)
    : QDialog(owner), m_pageCount(pageCount), m_thumbnails(std::move(thumbnails))
{
    setWindowTitle(tr("Jump to..."));
    auto* text = new QLabel(tr("Enter the page number you want to jump to in the text box or move the slider and "
                               "click on the Jump button."));
    text->setWordWrap(true);
    m_field = new QLineEdit;
    m_field->setObjectName(QStringLiteral("1003"));
    // Digits only, typed or pasted.
    m_field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_field));
    auto* jumpButton = new QPushButton(tr("Jump"));
    jumpButton->setObjectName(QStringLiteral("1004"));
    jumpButton->setDefault(true);
    auto* cancelButton = new QPushButton(tr("Cancel"));
    cancelButton->setObjectName(QStringLiteral("1030"));
    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setObjectName(QStringLiteral("1029"));
    m_slider->setRange(1, std::max(pageCount, 1));

    auto* row = new QHBoxLayout;
    row->addWidget(m_field);
    row->addWidget(jumpButton);
    row->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(row);
    layout->addWidget(m_slider);
    if (m_thumbnails.thumbnail) {
        // The page under the slider; a thumbnail still being made shows when it is ready.
        m_picture = new QLabel;
        m_picture->setAlignment(Qt::AlignCenter);
        m_picture->setMinimumHeight(kThumbnailSize);
        layout->addWidget(m_picture);
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, &JumpDialog::showThumbnail);
        poll->start(100);
    }

    connect(m_field, &QLineEdit::textChanged, this, &JumpDialog::fieldChanged);
    connect(m_slider, &QSlider::valueChanged, this, &JumpDialog::sliderMoved);
    connect(jumpButton, &QPushButton::clicked, this, &JumpDialog::jump);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    m_field->setText(QString::number(pageIndex + 1));
    m_field->selectAll();
}

void JumpDialog::fieldChanged()
{
    // The field's own text stays as typed; only the slider is held within the book.
    m_followingField = true;
    m_slider->setValue(JumpSliderPosition(m_field->text(), m_pageCount));
    m_followingField = false;
    if (m_thumbnails.focus)
        m_thumbnails.focus(m_slider->value() - 1);
    showThumbnail();
}

void JumpDialog::showThumbnail()
{
    if (!m_picture)
        return;
    const QImage image = m_thumbnails.thumbnail(m_slider->value() - 1);
    if (image.isNull())
        m_picture->clear();
    else
        m_picture->setPixmap(QPixmap::fromImage(image));
}

void JumpDialog::sliderMoved(int position)
{
    if (!m_followingField)
        m_field->setText(QString::number(position));
}

void JumpDialog::jump()
{
    m_chosen = JumpResult(m_field->text());
    accept();
}

int RunJumpDialog(QWidget* owner, int pageIndex, int pageCount, JumpThumbnails thumbnails)
{
    JumpDialog dialog(pageIndex, pageCount, owner, std::move(thumbnails));
    dialog.exec();
    return dialog.chosenPage();
}
