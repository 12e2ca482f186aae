#include "dialogs/settings_page.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/dialog_builder.h"
#include "platform/number_box.h"

SettingsPage::SettingsPage(int templateId) { BuildDialog(*this, *FindDialogTemplate(templateId)); }

void SettingsPage::Activate() {
    shown_ = true;
    Exchange(false);
}

bool SettingsPage::Deactivate() { return Exchange(true); }

void SettingsPage::ExchangeCheck(bool save, int id, int32_t& value) const {
    auto* box = DialogItemAs<QCheckBox>(*this, id);
    if (save)
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void SettingsPage::ExchangeRadio(bool save, std::initializer_list<int> ids, int32_t& index) const {
    int32_t i = 0;
    for (int id : ids) {
        auto* radio = DialogItemAs<QRadioButton>(*this, id);
        if (!save)
            radio->setChecked(i == index);
        else if (radio->isChecked())
            index = i;
        ++i;
    }
}

bool SettingsPage::ExchangeNumber(bool save, int id, int32_t& value, int32_t min, int32_t max) const {
    auto* box = DialogItemAs<QLineEdit>(*this, id);
    if (!save) {
        box->setText(QString::number(value));
        return true;
    }
    return ReadNumberBox(*box, min, max, value);
}

void SettingsPage::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }
