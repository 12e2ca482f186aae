// The Visual page of the Settings sheet: the speed of the pieces, the looks
// and the orientation of the board.
#pragma once

#include "dialogs/settings_choice.h"
#include "dialogs/settings_page.h"

class VisualSettingsPage : public SettingsPage {
    Q_OBJECT

public:
    explicit VisualSettingsPage(const VisualSettings& shown);
    // The values as the page was last left.
    const VisualSettings& Chosen() const { return settings_; }

protected:
    bool Exchange(bool save) override;

private:
    VisualSettings settings_;
};
