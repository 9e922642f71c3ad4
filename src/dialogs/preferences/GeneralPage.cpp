// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/GeneralPage.h"

#include "common/Settings.h"
#include "common/StringTable.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/FileAssociation.h"
#include "dialogs/preferences/PageControls.h"
#include "dialogs/preferences/SettingFields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

GeneralPage::GeneralPage(Settings& settings, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("112"));
    Settings* s = &settings;
    QGroupBox* page = PageFrame(this, StringText(5));

    auto* wheel = WithId(new QGroupBox(tr("MouseWheel Behaviour")), "1015");
    auto* wheelLayout = new QVBoxLayout(wheel);
    const char* const wheelIds[] = {"1017", "1018", "1020"};
    const QString wheelTexts[] = {tr("Wheel will zoom in/out"), tr("Wheel will move up/down"),
                                  tr("Wheel will change pages")};
    for (int act = 0; act < 3; ++act)
        wheelLayout->addWidget(SettingRadio(wheelIds[act], wheelTexts[act], settings.mousewheelact == act,
                                            [s, act] { s->mousewheelact = act; }));
    auto* pixelsRow = new QHBoxLayout;
    pixelsRow->addWidget(new QLabel(tr("Pixel value used to move or zoom pages with the wheel:")));
    auto* pixels = WithId(new QLineEdit(QString::number(settings.mousewheelval)), "1019");
    pixels->setMaxLength(3);
    pixels->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), pixels));
    pixels->setMinimumWidth(DialogUnitsOf(*pixels).x(24)); // three digits
    connect(pixels, &QLineEdit::textChanged, this,
            [s](const QString& text) { s->mousewheelval = WheelPixelsForField(text); });
    pixelsRow->addWidget(pixels);
    wheelLayout->addLayout(pixelsRow);

    auto* options = new QVBoxLayout;
    options->addWidget(
        SettingCheckBox("1025", tr("Use the mouse wheel pixels value with keyboard navigation"), settings.pixforkb));
    options->addWidget(SettingCheckBox("1026", tr("Enable Smooth Scrolling with mouse wheel"), settings.smoothscroll));
    options->addWidget(SettingCheckBox("1022", tr("Alternative mouse navigation mode"), settings.explorerstylenav));
    options->addWidget(
        SettingCheckBox("1023", tr("Preload next page while reading the current one"), settings.preloadnextpage));
    options->addWidget(
        SettingCheckBox("1041", tr("Open each book at the page where it was left"), settings.resumebooks));
    options->addWidget(SettingCheckBox("1024", tr("Go to next page after holding left button down for 10 sec."),
                                       settings.nextonup >= 0, [s](bool on) { s->nextonup = on ? 0 : -1; }));

    auto* association = WithId(new QGroupBox(tr("File Association")), "1012");
    auto* associationLayout = new QHBoxLayout(association);
    m_extensions = WithId(new QListWidget, "1013");
    m_extensions->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const QString& extension : AssociableExtensions()) {
        auto* item = new QListWidgetItem(extension, m_extensions);
        item->setSelected(IsAssociated(QString::fromLatin1(kBookClassName), extension));
    }
    // One row per extension, as tall as the font makes them.
    m_extensions->setMaximumHeight(m_extensions->sizeHintForRow(0) * m_extensions->count()
                                   + 2 * m_extensions->frameWidth());
    auto* buttons = new QVBoxLayout;
    auto* addSelected = WithId(new QPushButton(tr("Add Selected")), "1009");
    auto* addAll = WithId(new QPushButton(tr("Add All")), "1008");
    auto* clean = WithId(new QPushButton(tr("Clean All")), "1007");
    for (QPushButton* button : {addSelected, addAll, clean})
        buttons->addWidget(button);
    associationLayout->addWidget(m_extensions);
    associationLayout->addLayout(buttons);
    connect(addSelected, &QPushButton::clicked, this, &GeneralPage::associateSelected);
    connect(addAll, &QPushButton::clicked, this, &GeneralPage::associateAll);
    connect(clean, &QPushButton::clicked, this, &GeneralPage::cleanAll);

    auto* language = WithId(new QPushButton(tr("Select language")), "1027");
    connect(language, &QPushButton::clicked, this, &GeneralPage::languageAsked);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(wheel);
    layout->addLayout(options);
    layout->addWidget(association);
    layout->addWidget(language, 0, Qt::AlignRight);
}

void GeneralPage::associateSelected()
{
    const QString className = QString::fromLatin1(kBookClassName);
    RegisterBookClass(className);
    for (int row = 0; row < m_extensions->count(); ++row) {
        QListWidgetItem* item = m_extensions->item(row);
        SetAssociation(item->isSelected() ? className : QString(), item->text());
    }
}

void GeneralPage::associateAll()
{
    const QString className = QString::fromLatin1(kBookClassName);
    RegisterBookClass(className);
    for (int row = 0; row < m_extensions->count(); ++row) {
        QListWidgetItem* item = m_extensions->item(row);
        item->setSelected(true);
        SetAssociation(className, item->text());
    }
}

void GeneralPage::cleanAll()
{
    for (int row = 0; row < m_extensions->count(); ++row) {
        QListWidgetItem* item = m_extensions->item(row);
        item->setSelected(false);
        SetAssociation(QString(), item->text());
    }
}
