// The Manual dice dialog: the player types the two dice of a throw in place
// of the random ones offered.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

inline constexpr int IDC_DIE1 = 1121;
inline constexpr int IDC_DIE2 = 1122;
inline constexpr int IDC_DIE1_PICTURE = 1126;
inline constexpr int IDC_DIE2_PICTURE = 1127;

class ManualDiceDialog : public QDialog {
    Q_OBJECT

public:
    // Offers the throw in entries 0 and 1 of g_game.position.dice, the first box focused
    // with its digit selected.
    explicit ManualDiceDialog(QWidget* owner);

    // Stores the two dice into g_game.position.dice; a box that is empty or out of range,
    // or a double at a game's opening throw, keeps the dialog open.
    void accept() override;

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
};

// The manual-dice step of a throw: shows the dialog over the main window.
void RunManualDiceDialog();

// Makes the dialog a step of every throw while the ManualDice option is on,
// and of none while it is off; called whenever the option may have changed.
void FollowManualDiceOption();
