// The Match page of the Settings sheet: the length of the next match and
// whether a money game's doubles come before the throw. A new length waits
// for the next match, and while one is played the page says so.
#pragma once

#include "dialogs/settings_choice.h"
#include "dialogs/settings_page.h"

class QComboBox;

class MatchSettingsPage : public SettingsPage {
    Q_OBJECT

public:
    // `inPlay`: the length of the match being played, 0 when none is.
    MatchSettingsPage(const MatchSettings& shown, int32_t inPlay);
    // The values as the page was last left.
    const MatchSettings& Chosen() const { return settings_; }

protected:
    bool Exchange(bool save) override;

private:
    QComboBox* length_;
    MatchSettings settings_;
};
