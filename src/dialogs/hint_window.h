// The Hint window: a small window beside the board that lists the plays for
// the dice thrown, best first, with their equities and what each gives up,
// or the equities of a cube decision. It never blocks the game: it stays open
// while the game goes on, a double-click or Enter on a play hands that play
// back, and Esc closes it.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QTreeWidget;

class HintWindow : public QDialog {
    Q_OBJECT

public:
    // `chosen` hears the index of a line the player picks.
    HintWindow(QWidget* owner, std::function<void(int)> chosen);

    // Shows `lines` under the three column titles, the first line current,
    // with `note` under the list; lines can be picked when `choosable`.
    void Show(const std::array<std::string, 3>& titles, const std::vector<std::array<std::string, 3>>& lines,
              const std::string& note, bool choosable);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Pick();

    QTreeWidget* list_;
    QLabel* note_;
    std::function<void(int)> chosen_;
    bool choosable_ = false;
};
