#include "dialogs/resign_dlg.h"

#include <QRadioButton>

#include "dialogs/dialog_builder.h"
#include "resources/dialog_templates.h"

namespace {
constexpr int kKinds[] = {IDC_RESIGN_NORMAL, IDC_RESIGN_GAMMON, IDC_RESIGN_BACKGAMMON};
}

GvUpDlg::GvUpDlg(QWidget* owner) : QDialog(owner) {
    BuildDialog(*this, *FindDialogTemplate(IDD_RESIGN));
    DialogItemAs<QRadioButton>(*this, IDC_RESIGN_NORMAL)->setChecked(true);
}

void GvUpDlg::accept() {
    for (int id : kKinds) {
        if (DialogItemAs<QRadioButton>(*this, id)->isChecked()) return done(id);
    }
}
