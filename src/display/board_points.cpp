#include "display/board_points.h"

#include <string>

#include "display/board_display.h"
#include "display/geometry.h"
#include "display/pip_band.h"
#include "game/game.h"
#include "platform/canvas.h"
#include "rules/position.h"
#include "settings/color_scheme.h"

namespace {
constexpr COLORREF kWhite = MakeColorRef(255, 255, 255);
constexpr COLORREF kBlack = MakeColorRef(0, 0, 0);
constexpr COLORREF kYellow = MakeColorRef(255, 255, 0);

COLORREF TriangleColour(const BoardDisplay& board, int p) {
    return board.Shown().options.colors[p % 2 == 1 ? SLOT_POSITION_A : SLOT_POSITION_B];
}

// The pen draws the right and bottom edges one pixel outside the rectangle.
void PresentOutlined(Canvas& canvas, const Rect& r) { canvas.Present({r.left, r.top, r.right + 2, r.bottom + 2}); }
}  // namespace

DrawnTopPoint::DrawnTopPoint(BoardDisplay& board, int number, int owner) : DrawnLocation(board, number, 0, owner) {}

// From the top down, so that each restores what the one below had drawn.
DrawnTopPoint::~DrawnTopPoint() {
    for (auto sprite = sprites_.rbegin(); sprite != sprites_.rend(); ++sprite) sprite->reset();
}

void DrawnTopPoint::Fill(int n) {
    Draw();
    while (count < n) AddChecker();
}

void DrawnTopPoint::AddChecker() {
    DrawnLocation::AddChecker();
    // A side has fifteen checkers; a count beyond that gets no sprite.
    if (count < 1 || count >= static_cast<int>(sprites_.size())) return;
    const BoardGeometry& geometry = board_.Geometry();
    sprites_[count] = std::make_unique<CheckerSprite>(board_, geometry.CheckerLeft(number),
                                                      geometry.CheckerTop(number, count), owner, count);
    // A location still being built is not on the board yet; the counts
    // follow once the whole board stands.
    if (board_.DrawnAt(number) == this) FollowPipCounts(board_);
}

void DrawnTopPoint::RemoveChecker() {
    if (count >= 1 && count < static_cast<int>(sprites_.size())) sprites_[count].reset();
    DrawnLocation::RemoveChecker();
}

CheckerSprite* DrawnTopPoint::TopSprite() const {
    if (count < 1 || count >= static_cast<int>(sprites_.size())) return nullptr;
    return sprites_[count].get();
}

void DrawnTopPoint::ShowCheckers() {
    for (int n = 1; n <= count && n < static_cast<int>(sprites_.size()); ++n)
        if (sprites_[n]) sprites_[n]->Show(false);
}

void DrawnTopPoint::Draw() {
    Canvas& canvas = board_.GetCanvas();
    const LocationGeometry g = board_.Geometry().GeometryOf(number);
    const int u = board_.Geometry().Unit();
    const int x = g.originX;
    canvas.SetPen(kWhite);
    canvas.Polygon({{x, 2 * u}, {x + u, 10 * u}, {x + 2 * u, 2 * u}}, TriangleColour(board_, number));
    canvas.SetPen(kBlack);
    canvas.Line({x + 2 * u, 2 * u}, {x + u, 10 * u});
    PresentOutlined(canvas, g.rect);
    DrawLabel(false);
}

void DrawnBottomPoint::Draw() {
    Canvas& canvas = board_.GetCanvas();
    const LocationGeometry g = board_.Geometry().GeometryOf(number);
    const int u = board_.Geometry().Unit();
    const int x = g.originX;
    const int yb = g.originY;
    canvas.SetPen(kWhite);
    canvas.Polygon({{x, yb}, {x + u, yb - 8 * u}, {x + 2 * u, yb}}, TriangleColour(board_, number));
    canvas.SetPen(kBlack);
    canvas.Line({x + u, yb - 8 * u}, {x + 2 * u, yb});
    canvas.Line({x + 2 * u, yb}, {x, yb});
    PresentOutlined(canvas, g.rect);
    DrawLabel(false);
}

void DrawnHumanBar::Draw() {
    Canvas& canvas = board_.GetCanvas();
    const Rect r = board_.Geometry().GeometryOf(number).rect;
    canvas.FillRect(r, board_.Shown().options.colors[SLOT_BAR]);
    canvas.SetPen(kWhite);
    canvas.Line({r.left, r.bottom}, {r.left, r.top});
    canvas.Line({r.left, r.top}, {r.right + 1, r.top});
    canvas.SetPen(kBlack);
    canvas.Line({r.right, r.top + 1}, {r.right, r.bottom});
    canvas.Line({r.right, r.bottom}, {r.left, r.bottom});
    PresentOutlined(canvas, r);
}

void DrawnTopPoint::DrawLabel(bool highlight) {
    if (!IsPoint(number)) return;
    Canvas& canvas = board_.GetCanvas();
    const std::string letter(1, static_cast<char>(64 + number));
    const Point at = board_.Geometry().LetterPosition(number);
    canvas.SetTextColor(highlight ? kYellow : kBlack);
    canvas.TextOut(at.x, at.y, letter);
    canvas.SetTextColor(kBlack);
    const int height = canvas.TextHeight();
    canvas.Present({at.x, at.y, at.x + canvas.TextWidth(letter), at.y + height});
}
