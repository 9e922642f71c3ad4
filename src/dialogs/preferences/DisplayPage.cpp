// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/preferences/DisplayPage.h"

#include "common/Settings.h"
#include "common/StringTable.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/preferences/PageControls.h"
#include "dialogs/preferences/SettingFields.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

DisplayPage::DisplayPage(Settings& settings, const PreferencesHooks& hooks, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_redecodePage(hooks.redecodePage)
{
    setObjectName(QStringLiteral("115"));
    Settings* s = &settings;
    QGroupBox* page = PageFrame(this, StringText(6));
    auto* layout = new QVBoxLayout(page);

    layout->addWidget(SettingCheckBox("1022", tr("Start in fullscreen mode"), settings.startfullscreen));
    layout->addWidget(SettingCheckBox("1028", tr("Use halftone stretching when zooming (looks good but slower)"),
                                      settings.halftonezoom, hooks.redrawPage));
    // Normalisation applies to the pages decoded from now on; the page shown stays as it is.
    layout->addWidget(SettingCheckBox("1029", tr("Use basic color normalisation"), settings.norm));
    // The order applies to the books opened from now on; the book open now keeps its page numbers.
    layout->addWidget(
        SettingCheckBox("1070", tr("natural order (page 2 before page 10)"), settings.naturalorder));
    layout->addWidget(SettingCheckBox("1071", tr("two pages side by side (books opened from now on)"),
                                      settings.doublepage));
    layout->addWidget(SettingCheckBox("1072", tr("first page alone in two-page view"), settings.coveralone));
    layout->addWidget(SettingCheckBox("1073", tr("manga order (right to left)"), settings.mangaorder));

    layout->addWidget(new QLabel(tr("Basic contrast slider (0 =disabled)")));
    auto* contrastRow = new QHBoxLayout;
    m_contrast = WithId(new QSlider(Qt::Horizontal), "1045");
    m_contrast->setRange(-127, 127);
    m_contrast->setTickPosition(QSlider::NoTicks);
    m_contrastValue = WithId(new QLineEdit(QString::number(settings.contrastval)), "1046");
    m_contrastValue->setReadOnly(true);
    m_contrastValue->setFixedWidth(DialogUnitsOf(*m_contrastValue).x(24)); // "-127"
    {
        // Placing the slider at opening stores nothing: a hand-edited value beyond the range stays.
        const QSignalBlocker quiet(m_contrast);
        m_contrast->setValue(ContrastSliderStart(settings.contrastval));
    }
    contrastRow->addWidget(m_contrast);
    contrastRow->addWidget(m_contrastValue);
    layout->addLayout(contrastRow);
    connect(m_contrast, &QSlider::valueChanged, this, &DisplayPage::contrastMoved);
    // The page shown is decoded again once the slider is let go, not at every step of the drag.
    connect(m_contrast, &QSlider::sliderReleased, this, [this] { RunHook(m_redecodePage); });
    // A click on the groove steps the slider without ever holding its handle, so no sliderReleased.
    m_contrast->installEventFilter(this);

    auto* stretched = WithId(new QGroupBox(tr("Stretched view")), "1025");
    auto* stretchedLayout = new QVBoxLayout(stretched);
    const auto stretchWidth = [s, rebuild = hooks.rebuildScaledPage](bool width) {
        return [s, rebuild, width] {
            s->wstretched = width;
            RunHook(rebuild);
        };
    };
    stretchedLayout->addWidget(
        SettingRadio("1026", tr("Stretch page to fit in display area"), !settings.wstretched, stretchWidth(false)));
    stretchedLayout->addWidget(SettingRadio("1027", tr("Stretch width of the page to fit in width of display area"),
                                            settings.wstretched, stretchWidth(true)));
    stretchedLayout->addWidget(SettingCheckBox(
        "1023", tr("Default page display  stretchs the image to fit in the view area"), settings.startstretched));
    stretchedLayout->addWidget(SettingCheckBox("1024", tr("Use halftone stretching (looks good but is slower)"),
                                               settings.halftone, hooks.rebuildScaledPage));
    layout->addWidget(stretched);

    auto* holding = new QLabel(tr("* By default: switch between full & stretched view by holding left button down "
                                  "and pushing right button."));
    holding->setWordWrap(true);
    layout->addWidget(holding);
    layout->addWidget(new QLabel(tr("* Halftone is not supported in win9x/ME/NT4 *")));
    layout->addStretch();
}

bool DisplayPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_contrast && event->type() == QEvent::MouseButtonRelease && !m_contrast->isSliderDown()
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        RunHook(m_redecodePage);
    return QWidget::eventFilter(watched, event);
}

void DisplayPage::contrastMoved(int position)
{
    m_settings.contrastval = ContrastForSlider(position);
    m_contrastValue->setText(QString::number(m_settings.contrastval));
}
