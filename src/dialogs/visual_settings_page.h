// The Visual page of the Settings sheet: the speed of the pieces, the looks
// and the orientation of the board.
#pragma once

#include "dialogs/settings_page.h"

class VisualSettingsPage : public SettingsPage {
    Q_OBJECT

public:
    VisualSettingsPage();
    FileResult Apply() override;

protected:
    void InitPage() override;
    bool Exchange(bool save) override;

private:
    int32_t pictureDice_ = 0;
    int32_t showProgress_ = 0;
    int32_t highlight_ = 0;
    int32_t autoFinish_ = 0;
    int32_t shake_ = 0;
    int32_t speed_ = 0;
    int32_t clockwise_ = 0;
    int32_t showPips_ = 0;
};
