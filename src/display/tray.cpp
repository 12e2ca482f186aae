#include "display/tray.h"

#include "display/board_display.h"
#include "display/geometry.h"
#include "display/pip_band.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
int TrayNumber(int side) { return side == SIDE_COMPUTER ? LOC_COMPUTER_OFF : LOC_HUMAN_OFF; }
}  // namespace

CTray::CTray(int side)
    : CLocation(TrayNumber(side), g_savedPosition[TrayNumber(side)].count, side),
      rect_(GeometryOf(number).rect),
      label_(new QLabel(BoardControlParent())) {
    // A static text control writes its text from its top edge.
    label_->setAlignment((ClockWise == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop);
    label_->setGeometry(rect_.left, rect_.top, rect_.Width(), rect_.Height());
    label_->setFont(BoardFont());
    label_->setFocusPolicy(Qt::NoFocus);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Draw();
    label_->show();
}

CTray::~CTray() { delete label_; }

void CTray::RemoveChecker() {
    CLocation::RemoveChecker();
    Draw();
}

void CTray::AddChecker() {
    CLocation::AddChecker();
    Draw();
    FollowPipCounts();
}

void CTray::Draw() {
    if (!label_) return;
    label_->setText(QString::number(count));
    label_->repaint();
}

std::string CTray::CountText() const { return label_ ? label_->text().toStdString() : std::string(); }
