// The Game page of the Settings sheet: the skill level, the rules of play and
// who starts the first game, beside the all-time score, which it only shows.
#pragma once

#include "dialogs/settings_page.h"

class QComboBox;

class GameSettingsPage : public SettingsPage {
    Q_OBJECT

public:
    GameSettingsPage();
    FileResult Apply() override;

protected:
    void InitPage() override;
    bool Exchange(bool save) override;

private:
    QComboBox* skill_;
    int32_t firstMove_ = 0;
    int32_t useCube_ = 0;
    int32_t autoChangeTurn_ = 0;
    int32_t autoForced_ = 0;
    int32_t intelMoves_ = 0;
    int32_t computerScore_ = 0;
    int32_t humanScore_ = 0;
    int32_t manualDice_ = 0;
};
