#include "hint.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "board_check.h"
#include "computer/search.h"
#include "rules/moves.h"
#include "rules/position.h"

namespace {
// p0 … p27, the two dice and the level.
constexpr int kFields = NUM_LOCATIONS + 3;

struct HintPosition {
    std::array<int, NUM_LOCATIONS> checkers;  // negative for the computer's
    int d1, d2, level;
};

bool IsBlank(const std::string& line) { return line.find_first_not_of(" \t\r") == std::string::npos; }

// Exactly kFields integers, each an optional minus and one to three digits,
// separated by single blanks.
bool ParseFields(const std::string& line, std::array<int, kFields>& fields) {
    size_t pos = 0;
    for (int i = 0; i < kFields; ++i) {
        if (i > 0 && (pos >= line.size() || line[pos++] != ' ')) return false;
        const bool negative = pos < line.size() && line[pos] == '-';
        if (negative) ++pos;
        int value = 0, digits = 0;
        for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos, ++digits)
            value = value * 10 + (line[pos] - '0');
        if (digits == 0 || digits > 3) return false;
        fields[i] = negative ? -value : value;
    }
    return pos == line.size();
}

// Empty when the fields describe a position the rules can play from.
std::string CheckFields(const std::array<int, kFields>& f) {
    if (f[LOC_HUMAN_BAR] < 0 || f[LOC_HUMAN_OFF] < 0) return "locations 0 and 27 hold only the human's checkers";
    if (f[LOC_COMPUTER_BAR] > 0 || f[LOC_COMPUTER_OFF] > 0)
        return "locations 25 and 26 hold only the computer's checkers";
    for (int i = NUM_LOCATIONS; i < NUM_LOCATIONS + 2; ++i)
        if (f[i] < 1 || f[i] > 6) return "die " + std::to_string(f[i]) + " is outside 1..6";
    if (f[NUM_LOCATIONS + 2] < 0 || f[NUM_LOCATIONS + 2] > 3)
        return "level " + std::to_string(f[NUM_LOCATIONS + 2]) + " is outside 0..3";
    int computer = 0, human = 0;
    for (int i = 0; i < NUM_LOCATIONS; ++i) (f[i] < 0 ? computer : human) += f[i] < 0 ? -f[i] : f[i];
    if (computer != CHECKERS_PER_SIDE) return "the computer has " + std::to_string(computer) + " checkers, not 15";
    if (human != CHECKERS_PER_SIDE) return "the human has " + std::to_string(human) + " checkers, not 15";
    return {};
}

void SetUpPosition(const std::array<int, kFields>& f) {
    for (int i = 0; i < NUM_LOCATIONS; ++i) {
        const int n = f[i];
        g_savedPosition[i] = {static_cast<int8_t>(n < 0 ? -n : n), n < 0   ? SIDE_COMPUTER
                                                                   : n > 0 ? SIDE_HUMAN
                                                                           : SIDE_NONE};
    }
    DestroyBoard();
    BuildBoard(false);
    g_sideToMove = SIDE_COMPUTER;
    // The dice as a throw leaves them: a double gives four.
    for (uint8_t& die : g_dice) die = DICE_END;
    g_dice[0] = static_cast<uint8_t>(f[NUM_LOCATIONS]);
    g_dice[1] = static_cast<uint8_t>(f[NUM_LOCATIONS + 1]);
    g_diceLeft = 2;
    if (g_dice[0] == g_dice[1]) {
        g_dice[2] = g_dice[3] = g_dice[0];
        g_diceLeft = MAX_DICE;
    }
    g_race = NoContact();
}

std::string MoveText() {
    if (g_diceLeft == 0) return "-";
    std::string text;
    for (int i = 0; i < g_diceLeft; ++i)
        text += (i ? " " : "") + std::to_string(g_bestFrom[i]) + "/" + std::to_string(g_bestDice[i]);
    return text;
}
}  // namespace

int RunHint(std::istream& in, std::ostream& out, std::ostream& err) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (IsBlank(line) || line[0] == '#') continue;
        std::array<int, kFields> fields;
        std::string problem = ParseFields(line, fields) ? CheckFields(fields)
                                                        : "expected 31 integers separated by single blanks: "
                                                          "p0 ... p27 d1 d2 level";
        if (problem.empty()) {
            SetUpPosition(fields);
            problem = BrokenInvariant();
        }
        if (!problem.empty()) {
            out.flush();
            err << "kestro-engine hint: line " << number << ": " << problem << "\n";
            return 2;
        }
        ChooseComputerMove(fields[NUM_LOCATIONS + 2]);
        out << MoveText() << "\n";
    }
    return 0;
}
