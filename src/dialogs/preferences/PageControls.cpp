#include "dialogs/preferences/PageControls.h"

#include <QVBoxLayout>

QCheckBox* SettingCheckBox(const char* id, const QString& text, bool checked, std::function<void(bool)> changed)
{
    auto* box = WithId(new QCheckBox(text), id);
    box->setChecked(checked);
    QObject::connect(box, &QCheckBox::toggled, box, std::move(changed));
    return box;
}

QRadioButton* SettingRadio(const char* id, const QString& text, bool checked, std::function<void()> chosen)
{
    auto* radio = WithId(new QRadioButton(text), id);
    radio->setChecked(checked);
    QObject::connect(radio, &QRadioButton::toggled, radio, [chosen = std::move(chosen)](bool on) {
        if (on)
            chosen();
    });
    return radio;
}

QGroupBox* PageFrame(QWidget* page, const QString& title)
{
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = new QGroupBox(title);
    outer->addWidget(frame);
    return frame;
}
