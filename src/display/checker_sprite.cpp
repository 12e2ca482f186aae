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
int g_liveSprites = 0;

Rect SquareAt(int x, int y) { return {x, y, x + ShownGeometry().SpriteSize(), y + ShownGeometry().SpriteSize()}; }
}  // namespace

CheckerSprite::CheckerSprite(int x, int y, int owner, int position) : x_(x), y_(y), position_(position), owner_(owner) {
    ++g_liveSprites;
    Show(false);
}

CheckerSprite::~CheckerSprite() {
    Hide();
    --g_liveSprites;
}

int CheckerSprite::Live() { return g_liveSprites; }

void CheckerSprite::Show(bool moving) {
    Paint(moving);
    BoardCanvas().Present(SquareAt(x_, y_));
}

void CheckerSprite::Hide() {
    if (!drawn_) return;
    Erase();
    BoardCanvas().Present(SquareAt(x_, y_));
}

void CheckerSprite::MoveTo(int x, int y, bool moving) {
    const Rect from = SquareAt(x_, y_);
    Erase();
    x_ = x;
    y_ = y;
    Paint(moving);
    const Rect to = SquareAt(x_, y_);
    BoardCanvas().Present({std::min(from.left, to.left), std::min(from.top, to.top), std::max(from.right, to.right),
                           std::max(from.bottom, to.bottom)});
}

void CheckerSprite::Paint(bool moving) {
    Canvas& canvas = BoardCanvas();
    const int u = ShownGeometry().Unit();
    const int shadow = ShownGeometry().ShadowOffset();
    const COLORREF colour =
        ShownGame().options.colors[owner_ == SIDE_COMPUTER ? SLOT_COMPUTER_PIECE : SLOT_HUMAN_PIECE];
    saved_ = canvas.Save(x_, y_, ShownGeometry().SpriteSize());
    if (!moving && position_ >= kFirstCounted) {
        // The count stands on the seventh checker, which shares this place.
        canvas.SetBackground(colour);
        canvas.TextOut(x_ + 2 * shadow - 1 - (position_ >= 10 ? 3 : 0), y_ + shadow, std::to_string(position_));
        canvas.SetBackground(ShownGame().options.colors[SLOT_BACKGROUND]);
    } else {
        if (!moving) canvas.FillEllipse({x_ + shadow, y_, x_ + ShownGeometry().SpriteSize(), y_ + u}, kShadow);
        canvas.FillEllipse({x_, y_, x_ + u, y_ + u}, colour);
    }
    drawn_ = true;
}

void CheckerSprite::Erase() {
    if (!drawn_) return;
    BoardCanvas().Restore(saved_, x_, y_);
    drawn_ = false;
}
