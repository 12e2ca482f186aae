#include "dialogs/settings_page.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/dialog_builder.h"
#include "dialogs/settings_dialog.h"
#include "platform/number_box.h"
#include "platform/profile.h"
#include "settings/options.h"

SettingsPage::SettingsPage(int templateId, int index) : index_(index) {
    BuildDialog(*this, *FindDialogTemplate(templateId));
}

void SettingsPage::Activate() {
    if (!shown_) {
        shown_ = true;
        InitPage();
        Exchange(false);
    }
    g_lastSettingsPage = index_;
    // The first entry follows the initialisation, which has just filled the controls.
    if (entered_) Exchange(false);
    entered_ = true;
}

bool SettingsPage::Deactivate() { return Exchange(true); }

FileResult SettingsPage::StoreOptions(std::initializer_list<StoredOption> options) {
    FileResult saved;
    for (const StoredOption& o : options) {
        o.option = o.value;
        saved = FirstFailure(saved, WriteProfileInt(OPTIONS_SECTION, o.key, o.value));
    }
    return saved;
}

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
