#include "display/checker_sprite.h"

#include <algorithm>
#include <string>

#include "display/board_display.h"
#include "display/geometry.h"
#include "game/game.h"
#include "platform/canvas.h"
#include "rules/location.h"
#include "settings/color_scheme.h"

namespace {
// The stock dark-grey brush of the checkers' shadows.
constexpr COLORREF kShadow = MakeColorRef(64, 64, 64);
// From this stack position on, checkers share the seventh's place and show
// the stack's size there.
constexpr int kFirstCounted = 8;
}  // namespace

CheckerSprite::CheckerSprite(BoardDisplay& board, int x, int y, int owner, int position)
    : board_(board), x_(x), y_(y), position_(position), owner_(owner) {
    ++board_.Live().sprites;
    Show(false);
}

CheckerSprite::~CheckerSprite() {
    Hide();
    --board_.Live().sprites;
}

Rect CheckerSprite::SquareAt(int x, int y) const {
    const int side = board_.Geometry().SpriteSize();
    return {x, y, x + side, y + side};
}

void CheckerSprite::Show(bool moving) {
    Paint(moving);
    board_.GetCanvas().Present(SquareAt(x_, y_));
}

void CheckerSprite::Hide() {
    if (!drawn_) return;
    Erase();
    board_.GetCanvas().Present(SquareAt(x_, y_));
}

void CheckerSprite::MoveTo(int x, int y, bool moving) {
    const Rect from = SquareAt(x_, y_);
    Erase();
    x_ = x;
    y_ = y;
    Paint(moving);
    const Rect to = SquareAt(x_, y_);
    board_.GetCanvas().Present({std::min(from.left, to.left), std::min(from.top, to.top),
                                std::max(from.right, to.right), std::max(from.bottom, to.bottom)});
}

void CheckerSprite::Paint(bool moving) {
    Canvas& canvas = board_.GetCanvas();
    const BoardGeometry& geometry = board_.Geometry();
    const int u = geometry.Unit();
    const int shadow = geometry.ShadowOffset();
    const Options& options = board_.Shown().options;
    const COLORREF colour = options.colors[owner_ == SIDE_COMPUTER ? SLOT_COMPUTER_PIECE : SLOT_HUMAN_PIECE];
    saved_ = canvas.Save(x_, y_, geometry.SpriteSize());
    if (!moving && position_ >= kFirstCounted) {
        // The count stands on the seventh checker, which shares this place.
        canvas.SetBackground(colour);
        canvas.TextOut(x_ + 2 * shadow - 1 - (position_ >= 10 ? 3 : 0), y_ + shadow, std::to_string(position_));
        canvas.SetBackground(options.colors[SLOT_BACKGROUND]);
    } else {
        if (!moving) canvas.FillEllipse({x_ + shadow, y_, x_ + geometry.SpriteSize(), y_ + u}, kShadow);
        canvas.FillEllipse({x_, y_, x_ + u, y_ + u}, colour);
    }
    drawn_ = true;
}

void CheckerSprite::Erase() {
    if (!drawn_) return;
    board_.GetCanvas().Restore(saved_, x_, y_);
    drawn_ = false;
}
