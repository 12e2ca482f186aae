#include "dialogs/resign_dialog.h"

#include <QRadioButton>

#include "dialogs/dialog_builder.h"
#include "platform/main_window.h"
#include "platform/modal.h"
#include "resources/dialog_templates.h"

namespace {
constexpr int kKinds[] = {IDC_RESIGN_NORMAL, IDC_RESIGN_GAMMON, IDC_RESIGN_BACKGAMMON};
}

ResignDialog::ResignDialog(QWidget* owner) : QDialog(owner) {
    BuildDialog(*this, *FindDialogTemplate(IDD_RESIGN));
    DialogItemAs<QRadioButton>(*this, IDC_RESIGN_NORMAL)->setChecked(true);
}

void ResignDialog::accept() {
    for (int id : kKinds) {
        if (DialogItemAs<QRadioButton>(*this, id)->isChecked()) return done(id);
    }
}

std::optional<WinKind> RunResignDialog() {
    ResignDialog dialog(MainWindow());
    switch (RunModal(dialog)) {
        case IDC_RESIGN_NORMAL:
            return WinKind::Normal;
        case IDC_RESIGN_GAMMON:
            return WinKind::Gammon;
        case IDC_RESIGN_BACKGAMMON:
            return WinKind::Backgammon;
        default:
            return std::nullopt;
    }
}
