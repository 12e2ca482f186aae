// The Resign dialog: how much the human gives up.
#pragma once

#include <QDialog>

// Its answers, besides QDialog::Rejected for Cancel, Esc and the close box.
inline constexpr int IDC_RESIGN_NORMAL = 1087;
inline constexpr int IDC_RESIGN_GAMMON = 1088;
inline constexpr int IDC_RESIGN_BACKGAMMON = 1097;

class GvUpDlg : public QDialog {
    Q_OBJECT

public:
    // Opens with "Normal" checked.
    explicit GvUpDlg(QWidget* owner);

    // OK ends the dialog with the id of the checked kind.
    void accept() override;
};
