#include "monkey/monkey_invariants.h"

#include <QImage>
#include <QPainter>
#include <bit>
#include <filesystem>
#include <sstream>

#include "display/board_display.h"
#include "display/geometry.h"
#include "game/game.h"
#include "platform/canvas.h"
#include "platform/nested_wait.h"
#include "platform/profile.h"
#include "rules/position.h"
#include "settings/options.h"
#include "settings/scheme_file.h"
#include "shell/game_wnd.h"
#include "stats/stats_record.h"

namespace {
// Sprites: one per checker at most, and the few a move or a shake holds.
constexpr int kMostSprites = 2 * CHECKERS_PER_SIDE + 4;

template <typename... Parts>
std::string Say(const Parts&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

std::string BrokenLocation(const Game& game, const DrawnLocation* drawn, int loc, int total[3]) {
    if (!drawn) return Say("location ", loc, " is not drawn");
    if (drawn->number != loc) return Say("location ", loc, " is numbered ", int{drawn->number});
    const Checkers* l = &game.position[loc];
    // The drawing shows exactly the game's checkers.
    if (drawn->count != l->count || (l->count != 0 && drawn->owner != l->owner))
        return Say("location ", loc, " shows ", int{drawn->count}, " of side ", drawn->owner, " for ", int{l->count},
                   " of side ", l->owner);
    if (l->count < 0 || l->count > CHECKERS_PER_SIDE) return Say("location ", loc, " holds ", int{l->count});
    if (l->count == 0) return {};
    if (l->owner != SIDE_HUMAN && l->owner != SIDE_COMPUTER)
        return Say("location ", loc, " holds ", int{l->count}, " of owner ", l->owner);
    if (!IsPoint(loc) && l->owner != FixedOwner(loc))
        return Say("bar or tray ", loc, " holds checkers of side ", l->owner);
    total[l->owner] += l->count;
    return {};
}

std::string BrokenDice(const Game& game) {
    if (game.position.diceLeft < 0 || game.position.diceLeft > MAX_DICE)
        return Say("dice left ", game.position.diceLeft);
    for (int i = 0; i < game.position.diceLeft; ++i)
        if (game.position.dice[i] < 1 || game.position.dice[i] > 6)
            return Say("die ", i, " is ", int{game.position.dice[i]});
    if (game.position.dice[game.position.diceLeft] != DICE_END)
        return Say("the dice list does not end after ", game.position.diceLeft, " dice");
    return {};
}

std::string BrokenCube(const Game& game) {
    // At a game's end the cube holds the points scored.
    if (game.winner != SIDE_NONE) return {};
    if (game.position.cubeValue < 1 || game.position.cubeValue > MAX_CUBE_VALUE ||
        !std::has_single_bit(static_cast<uint32_t>(game.position.cubeValue)))
        return Say("cube value ", game.position.cubeValue);
    if (game.position.cubeOwner < SIDE_NONE || game.position.cubeOwner > SIDE_HUMAN)
        return Say("cube holder ", game.position.cubeOwner);
    // Only a doubled cube has a holder.
    if ((game.position.cubeOwner == SIDE_NONE) != (game.position.cubeValue == 1))
        return Say("cube ", game.position.cubeValue, " held by side ", game.position.cubeOwner);
    return {};
}

std::string BrokenSettingsFile(const Game& game) {
    std::error_code ec;
    if (!std::filesystem::exists(g_profile.Path(), ec)) return {};
    if (std::filesystem::file_size(g_profile.Path(), ec) > MAX_PROFILE_BYTES) return "the settings file is too large";
    Options stored = game.options;
    TotalScores storedTotals = {game.totalScore[0], game.totalScore[1], game.totalScore[2]};
    LoadSettings(stored, storedTotals);
    // The stored scheme number is the scheme loader's to judge: one that names
    // no stored scheme leaves the built-in colours, and 0, in force.
    stored.curScheme = game.options.curScheme;
    if (!(stored == game.options)) return "the options in force are not those the settings file gives";
    for (int side : {SIDE_COMPUTER, SIDE_HUMAN})
        if (storedTotals[side] != game.totalScore[side])
            return Say("side ", side, "'s total is ", game.totalScore[side], " but the settings file gives ",
                       storedTotals[side]);
    return {};
}

// A file that is there must have exactly `size` bytes, and `accepts` them.
template <typename Accepts>
std::string BrokenBinaryFile(const char* path, std::size_t size, Accepts accepts) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {};
    const std::optional<Bytes> bytes = ReadFileBytes(path, size + 1);
    if (!bytes || bytes->size() != size) return Say(path, " has ", bytes ? bytes->size() : 0, " bytes");
    if (!accepts(*bytes)) return Say(path, " is refused by its reader");
    return {};
}
// The image with every point's letter as the canvas, just redrawn, has it.
QImage WithPlainLetters(const QImage& image, const Canvas& canvas, const BoardGeometry& geometry) {
    QImage plain = image.copy();
    QPainter painter(&plain);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int p = 1; p <= 24; ++p) {
        const std::string letter(1, static_cast<char>('A' + p - 1));
        const Point at = geometry.LetterPosition(p);
        const QRect r = canvas.DeviceRect({at.x, at.y, at.x + canvas.TextWidth(letter), at.y + canvas.TextHeight()});
        painter.drawImage(r, canvas.Image(), r);
    }
    return plain;
}
}  // namespace

std::string BrokenGameState(const Game& game, const BoardDisplay& drawn) {
    int total[3] = {0, 0, 0};
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc)
        if (std::string why = BrokenLocation(game, drawn.DrawnAt(loc), loc, total); !why.empty()) return why;
    if (total[SIDE_HUMAN] != CHECKERS_PER_SIDE || total[SIDE_COMPUTER] != CHECKERS_PER_SIDE)
        return Say("checkers: human ", total[SIDE_HUMAN], ", computer ", total[SIDE_COMPUTER]);
    if (std::string why = BrokenDice(game); !why.empty()) return why;
    return BrokenCube(game);
}

std::string PositionText(const Game& game) {
    std::ostringstream out;
    out << "side " << game.position.sideToMove << " to move, dice";
    for (int i = 0; i < game.position.diceLeft && i < MAX_DICE; ++i) out << ' ' << int{game.position.dice[i]};
    out << ", move " << game.moveOrdinal << ", cube " << game.position.cubeValue << "/" << game.position.cubeOwner
        << "; checkers";
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc)
        if (game.position[loc].count != 0)
            out << ' ' << loc << ':' << (game.position[loc].owner == SIDE_COMPUTER ? "-" : "")
                << int{game.position[loc].count};
    return out.str();
}

std::string BrokenWindowState(const Game& game, const LiveObjects& live, bool nested) {
    if (live.locations != NUM_LOCATIONS) return Say(live.locations, " live locations");
    if (live.sprites > kMostSprites) return Say(live.sprites, " live checker sprites");
    if (WaitRunning() != nested) return nested ? "an event loop other than the wait runs" : "a wait is left running";
    if (nested && game.awaitingConfirm != 1) return "the wait runs but the turn is not awaiting confirmation";
    if (!nested && game.awaitingConfirm != 0) return "awaiting confirmation outside the wait";
    return {};
}

std::string BrokenCanvas(GameWnd& wnd) {
    const QImage before = wnd.GetCanvas().Image().copy();
    wnd.RedrawAll();
    const QImage& after = wnd.GetCanvas().Image();
    if (after == before) return {};
    if (after.size() != before.size()) return "the canvas changed its size in a redraw";
    // The letters under the pointer's location may be lit; a redraw leaves
    // that to the pointer's next move.
    const QImage seen = wnd.GameSession().game.options.highLight != 0
                            ? WithPlainLetters(before, wnd.GetCanvas(), wnd.Geometry())
                            : before;
    if (after == seen) return {};
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != seen.pixel(x, y))
                return Say("the canvas differs from a fresh redraw, first at device pixel (", x, ", ", y, ")");
    return {};
}

std::string BrokenFiles(const Game& game) {
    if (std::string why = BrokenSettingsFile(game); !why.empty()) return why;
    if (std::string why = BrokenBinaryFile(STATS_FILE_NAME, STATS_FILE_SIZE,
                                           [](const Bytes& b) { return DecodeStatsRecord(b).has_value(); });
        !why.empty())
        return why;
    // Every colour the program writes has its fourth byte clear.
    return BrokenBinaryFile(SCHEME_FILE_NAME, SCHEME_FILE_SIZE, [](const Bytes& b) {
        for (std::size_t i = 3; i < b.size(); i += 4)
            if (b[i] != 0) return false;
        return true;
    });
}
