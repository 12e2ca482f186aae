// The Settings sheet: the Game, Visual and Match pages behind tabs, with OK,
// Cancel and Help. It opens on the options it is given and brings back what the
// player chose; applying it is the caller's.
#pragma once

#include <QDialog>
#include <array>

#include "dialogs/settings_choice.h"

class GameSettingsPage;
class MatchSettingsPage;
class QTabWidget;
class SettingsPage;
class VisualSettingsPage;

class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int PAGE_COUNT = 3;

    // Opens on page `page`: 0 Game, 1 Visual, 2 Match; another number opens on Game.
    SettingsDialog(QWidget* owner, const SettingsShown& shown, int page);

    // Makes a page current as a click on its tab does: refused while the
    // current page holds a value it cannot take.
    void SetActivePage(int index);
    // The page current now, and so at the end the one to open on next time,
    // whether the sheet ended with OK or Cancel.
    int ActiveIndex() const { return current_; }
    SettingsPage* Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }

    // OK: the current page's values are checked first.
    void accept() override;
    // After OK: the values of every page that was shown.
    SettingsChosen Chosen() const;

signals:
    // The Help button. The help opens at the sheet's topic, and on the Match
    // page at that page's section.
    void HelpRequested();

private:
    void PageChosen(int index);
    void Enter(int index);

    QTabWidget* tabs_;
    GameSettingsPage* game_;
    VisualSettingsPage* visual_;
    MatchSettingsPage* match_;
    std::array<SettingsPage*, PAGE_COUNT> pages_{};
    int current_ = 0;
};
