#include "display/tray.h"

#include "display/board_display.h"
#include "display/geometry.h"
#include "display/pip_band.h"
#include "rules/position.h"

namespace {
int TrayNumber(int side) { return side == SIDE_COMPUTER ? LOC_COMPUTER_OFF : LOC_HUMAN_OFF; }
}  // namespace

DrawnTray::DrawnTray(BoardDisplay& board, int side, int count)
    : DrawnLocation(board, TrayNumber(side), count, side),
      rect_(board.Geometry().GeometryOf(number).rect),
      label_(board.GetCanvas(), rect_, board.Geometry().Clockwise() ? StaticText::LEFT : StaticText::RIGHT) {
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
    FollowPipCounts(board_);
}

void DrawnTray::Draw() { label_.SetText(std::to_string(count)); }

std::string DrawnTray::CountText() const { return label_.Text(); }
