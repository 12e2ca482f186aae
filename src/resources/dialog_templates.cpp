#include "resources/dialog_templates.h"

#include "resources/dialog_template_list.h"

namespace {

const DialogTemplate* const kAll[] = {
    &kStatisticsDialog, &kColorsDialog,       &kResignDialog,      &kAboutDialog,
    &kGameSettingsPage, &kVisualSettingsPage, &kMatchSettingsPage, &kManualDiceDialog,
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate* dialog : kAll)
        if (dialog->id == id) return dialog;
    return nullptr;
}

std::span<const DialogTemplate* const> AllDialogTemplates() { return kAll; }

const DialogControl* FindControl(const DialogTemplate& dialog, int id) {
    if (id == IDC_STATIC) return nullptr;
    for (const DialogControl& control : dialog.controls)
        if (control.id == id) return &control;
    return nullptr;
}
