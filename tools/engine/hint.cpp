#include "hint.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "board_check.h"
#include "computer/computer_player.h"
#include "game/game.h"
#include "position_line.h"
#include "rules/dice_throw.h"
#include "rules/moves.h"
#include "rules/position.h"

namespace {
// p0 … p27, the two dice and the level.
constexpr int kFields = NUM_LOCATIONS + 3;

struct HintPosition {
    std::array<int, NUM_LOCATIONS> checkers;  // negative for the computer's
    int d1, d2, level;
};

// Empty when the fields describe a position the rules can play from.
std::string CheckFields(const std::array<int, kFields>& f) {
    if (std::string problem = CheckBarsAndTrays(f); !problem.empty()) return problem;
    for (int i = NUM_LOCATIONS; i < NUM_LOCATIONS + 2; ++i)
        if (f[i] < 1 || f[i] > 6) return "die " + std::to_string(f[i]) + " is outside 1..6";
    if (f[NUM_LOCATIONS + 2] < 0 || f[NUM_LOCATIONS + 2] > 3)
        return "level " + std::to_string(f[NUM_LOCATIONS + 2]) + " is outside 0..3";
    return CheckCheckerTotals(f);
}

// The computer to move with the line's dice, as a fresh game holds it otherwise.
Position PositionOf(const std::array<int, kFields>& f) {
    Board board{};
    for (int i = 0; i < NUM_LOCATIONS; ++i) {
        const int n = f[i];
        board[i] = {static_cast<int8_t>(n < 0 ? -n : n), n < 0 ? SIDE_COMPUTER : n > 0 ? SIDE_HUMAN : SIDE_NONE};
    }
    Position p = Game().position;
    p.board = WithFixedOwners(board);
    p.sideToMove = SIDE_COMPUTER;
    SetThrownDice(p, f[NUM_LOCATIONS], f[NUM_LOCATIONS + 1]);
    return p;
}

std::string MoveText(const ComputerPlay& play) {
    if (play.count == 0) return "-";
    std::string text;
    for (int i = 0; i < play.count; ++i)
        text += (i ? " " : "") + std::to_string(play.from[i]) + "/" + std::to_string(play.dice[i]);
    return text;
}
}  // namespace

int RunHint(std::istream& in, std::ostream& out, std::ostream& err) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (IsBlankOrComment(line)) continue;
        std::array<int, kFields> fields;
        std::string problem = ParseIntegers(line, fields) ? CheckFields(fields)
                                                          : "expected 31 integers separated by single blanks: "
                                                            "p0 ... p27 d1 d2 level";
        Position p;
        if (problem.empty()) {
            p = PositionOf(fields);
            problem = BrokenInvariant(p);
        }
        if (!problem.empty()) {
            out.flush();
            err << "kestro-engine hint: line " << number << ": " << problem << "\n";
            return 2;
        }
        const ComputerPlayer& player = ComputerPlayerFor(fields[NUM_LOCATIONS + 2]);
        out << MoveText(player.ChoosePlay(p, NoContact(p.board))) << "\n";
    }
    return 0;
}
