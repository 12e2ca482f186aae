// The Resign dialog: how much the human gives up.
#pragma once

#include <QDialog>
#include <optional>

#include "rules/game_end.h"

// Its answers, besides QDialog::Rejected for Cancel, Esc and the close box.
inline constexpr int IDC_RESIGN_NORMAL = 1087;
inline constexpr int IDC_RESIGN_GAMMON = 1088;
inline constexpr int IDC_RESIGN_BACKGAMMON = 1097;

class ResignDialog : public QDialog {
    Q_OBJECT

public:
    // Opens with "Normal" checked.
    explicit ResignDialog(QWidget* owner);

    // OK ends the dialog with the id of the checked kind.
    void accept() override;
};

// Runs the dialog over the main window: the kind of game given up, nothing on Cancel.
std::optional<WinKind> RunResignDialog();
