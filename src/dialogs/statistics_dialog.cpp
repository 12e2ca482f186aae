#include "dialogs/statistics_dialog.h"

#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <cstdio>

#include "dialogs/dialog_builder.h"
#include "dialogs/etched_line.h"
#include "game/game.h"
#include "platform/canvas.h"
#include "platform/device_pixels.h"
#include "resources/dialog_templates.h"
#include "resources/strings.h"
#include "rules/location.h"
#include "settings/color_scheme.h"
#include "settings/options.h"
#include "stats/stats_record.h"
#include "stats/win_graph.h"

namespace {
constexpr int IDC_MORE = 3;
constexpr int IDC_GAME_AXIS = 1115;
constexpr int IDC_PCT_AXIS = 1117;
constexpr int IDC_GAMES_END = 1118;

// Each counter's controls for the human and the computer.
struct NumberRow {
    int human, computer;
    const int32_t* values;
};

QString ThinkingTime(int32_t ms) {
    // A clock still running holds a negative value; it has no time to show yet.
    const long t = ms < 0 ? 0 : ms;
    char text[64];
    std::snprintf(text, sizeof text, ResString(IDS_THINK_TIME), t / 60000, t % 60000 / 1000);
    return QString::fromLatin1(text);
}

// The template's position counts from the owner's client area, which lies
// below the main window's menu bar.
void PlaceOnOwner(QDialog& dialog, const QWidget* owner) {
    if (!owner) return;
    if (const auto* frame = qobject_cast<const QMainWindow*>(owner); frame && frame->centralWidget())
        owner = frame->centralWidget();
    const DialogTemplate& t = *FindDialogTemplate(IDD_STATISTICS);
    const Rect r = DialogUnitsToPixels(BaseUnitsOf(dialog.font()), t.x, t.y, 0, 0);
    dialog.move(owner->mapToGlobal(QPoint(r.left, r.top)));
}

// The graph's 50 % line, `line` one logical pixel high. At a fractional ratio
// a pen would cover one or two device rows by where it falls.
void DrawHalfLine(QPainter& painter, const QRect& line) {
    painter.setPen(Qt::black);
    if (IsWholeRatio(painter.device()->devicePixelRatioF())) {
        painter.drawLine(line.left(), line.top(), line.right(), line.top());
        return;
    }
    const DevicePixels device(painter);
    const QRect band = device.Rect(line);
    painter.fillRect(band.x(), band.y(), band.width(), EvenLineWidth(painter.device()->devicePixelRatioF()), Qt::black);
}
}  // namespace

StatisticsDialog::StatisticsDialog(QWidget* owner, const Game& game, bool expanded) : QDialog(owner), game_(game) {
    BuildDialog(*this, *FindDialogTemplate(IDD_STATISTICS));
    fullSize_ = size();
    PlaceOnOwner(*this, owner);
    DialogItemAs<QLabel>(*this, IDC_GAMES_END)->setText(QStringLiteral("50"));
    connect(DialogItemAs<QPushButton>(*this, IDC_MORE), &QPushButton::clicked, this, [this] { ShowGraph(!expanded_); });
    ShowGraph(expanded);
    ShowNumbers();
}

void StatisticsDialog::ShowNumbers() {
    const NumberRow rows[] = {
        {202, 207, game_.counters.diceTotal}, {203, 208, game_.counters.doublesThrown},
        {204, 209, game_.counters.hitsMade},  {211, 215, game_.runScore},
        {221, 225, game_.totalScore},
    };
    for (const NumberRow& row : rows) {
        DialogItemAs<QLabel>(*this, row.human)->setText(QString::number(static_cast<uint32_t>(row.values[SIDE_HUMAN])));
        DialogItemAs<QLabel>(*this, row.computer)
            ->setText(QString::number(static_cast<uint32_t>(row.values[SIDE_COMPUTER])));
    }
    DialogItemAs<QLabel>(*this, 217)->setText(ThinkingTime(game_.counters.thinkTime[SIDE_HUMAN]));
    DialogItemAs<QLabel>(*this, 220)->setText(ThinkingTime(game_.counters.thinkTime[SIDE_COMPUTER]));
}

void StatisticsDialog::ShowGraph(bool shown) {
    expanded_ = shown;
    auto* more = DialogItemAs<QPushButton>(*this, IDC_MORE);
    if (expanded_) {
        more->setText(QStringLiteral("<< &More"));
        setFixedSize(fullSize_);
    } else {
        more->setText(QStringLiteral("&More >>"));
        // Everything from the graph's percentage axis down is cut off.
        setFixedSize(fullSize_.width(), DialogItem(*this, IDC_PCT_AXIS)->y());
    }
}

void StatisticsDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(game_.options.colors[SLOT_BACKGROUND]));
    DrawEtchedLines(painter, *this);
    if (expanded_) DrawWinGraph(painter);
}

void StatisticsDialog::DrawWinGraph(QPainter& painter) const {
    const QRect pct = DialogItem(*this, IDC_PCT_AXIS)->geometry();
    const QRect games = DialogItem(*this, IDC_GAME_AXIS)->geometry();
    const int right = games.x() + games.width();
    const GraphFrame frame{pct.x() + pct.width(), right - (pct.x() + pct.width()), games.y(), games.y() - pct.y()};
    const int half = pct.y() + frame.height / 2;
    DrawHalfLine(painter, QRect(frame.left, half, right - frame.left + 1, 1));
    painter.setPen(Qt::white);
    const std::vector<GraphPoint> points = WinGraphPoints(game_.history, frame);
    for (std::size_t i = 1; i < points.size(); ++i)
        painter.drawLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
}
