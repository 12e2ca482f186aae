// The Game page of the Settings sheet: the skill level, the rules of play and
// who starts the first game, beside the all-time score, which it only shows.
#pragma once

#include "dialogs/settings_choice.h"
#include "dialogs/settings_page.h"

class QComboBox;

class GameSettingsPage : public SettingsPage {
    Q_OBJECT

public:
    GameSettingsPage(const GameSettings& shown, int32_t humanScore, int32_t computerScore);
    // The values as the page was last left.
    const GameSettings& Chosen() const { return settings_; }

protected:
    bool Exchange(bool save) override;

private:
    QComboBox* skill_;
    GameSettings settings_;
    int32_t humanScore_;
    int32_t computerScore_;
};
