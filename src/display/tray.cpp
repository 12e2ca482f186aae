#include "display/tray.h"

#include "display/board_display.h"
#include "display/geometry.h"
#include "display/pip_band.h"
#include "game/game.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
int TrayNumber(int side) { return side == SIDE_COMPUTER ? LOC_COMPUTER_OFF : LOC_HUMAN_OFF; }
}  // namespace

DrawnTray::DrawnTray(int side, int count)
    : DrawnLocation(TrayNumber(side), count, side),
      rect_(ShownGeometry().GeometryOf(number).rect),
      label_(BoardCanvas(), rect_, ShownGeometry().Clockwise() ? StaticText::LEFT : StaticText::RIGHT) {
    Draw();
    label_.Show();
}

void DrawnTray::RemoveChecker() {
    DrawnLocation::RemoveChecker();
    Draw();
}

void DrawnTray::AddChecker() {
    DrawnLocation::AddChecker();
    Draw();
    FollowPipCounts();
}

void DrawnTray::Draw() { label_.SetText(std::to_string(count)); }

std::string DrawnTray::CountText() const { return label_.Text(); }
