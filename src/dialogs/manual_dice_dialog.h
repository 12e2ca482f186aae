// The Manual dice dialog: the player types the two dice of a throw in place
// of the random ones offered.
#pragma once

#include <QDialog>

#include "game/turn_dice.h"

class QLabel;
class QLineEdit;

inline constexpr int IDC_DIE1 = 1121;
inline constexpr int IDC_DIE2 = 1122;
inline constexpr int IDC_DIE1_PICTURE = 1126;
inline constexpr int IDC_DIE2_PICTURE = 1127;

class ManualDiceDialog : public QDialog {
    Q_OBJECT

public:
    // Offers the throw, the first box focused with its digit selected; a
    // game's opening throw is never a double.
    ManualDiceDialog(QWidget* owner, TwoDice thrown, bool opening);

    // A box that is empty or out of range, or a double at a game's opening
    // throw, keeps the dialog open.
    void accept() override;
    // The two dice as accepted; the throw offered until then.
    TwoDice Chosen() const { return chosen_; }

private:
    struct Die {
        QLineEdit* box;
        QLabel* picture;
        int value;
    };
    // A digit 1..6 counts and the other box is next; anything else is undone.
    void Typed(Die& die, Die& other);
    static void ShowPicture(const Die& die);

    Die m_die1;
    Die m_die2;
    bool opening_;
    TwoDice chosen_;
};

// The manual-dice step of a throw: the dialog over `owner`, and the values
// that count.
TwoDice RunManualDiceDialog(QWidget* owner, TwoDice thrown, bool opening);
