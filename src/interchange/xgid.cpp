// The XGID: "XGID=" and 26 board characters, then colon-separated fields.
#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <optional>
#include <vector>

#include "interchange/position_text.h"

namespace {
constexpr std::string_view kPrefix = "XGID=";
constexpr int kBoardChars = 26;
// Board, cube power, holder, side on roll, dice, two scores, rules, match length; the cube limit may follow.
constexpr std::size_t kFields = 9;
// The cube limit written, as analysis programs write it.
constexpr std::string_view kCubeLimit = ":10";

// Character 0 is the computer's bar, 25 the human's, and character i the
// location 25 − i: the human is the bottom player, counting from its 1-point.
int LocationOfChar(int i) { return 25 - i; }

// +1 for the human (the bottom player), -1 for the computer.
int SignOf(int side) { return side == SIDE_HUMAN ? 1 : side == SIDE_COMPUTER ? -1 : 0; }

std::optional<int> Integer(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::vector<std::string_view> Split(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t colon; (colon = text.find(':')) != std::string_view::npos; text.remove_prefix(colon + 1))
        fields.push_back(text.substr(0, colon));
    fields.push_back(text);
    return fields;
}

bool ReadBoard(std::string_view board, TextPosition& p) {
    if (board.size() != kBoardChars) return false;
    for (int i = 0; i < kBoardChars; ++i) {
        const char c = board[i];
        const int loc = LocationOfChar(i);
        int side = SIDE_NONE, count = 0;
        if (c >= 'A' && c <= 'O') {
            side = SIDE_HUMAN;
            count = c - 'A' + 1;
        } else if (c >= 'a' && c <= 'o') {
            side = SIDE_COMPUTER;
            count = c - 'a' + 1;
        } else if (c != '-') {
            return false;
        }
        // A bar holds only its own side's checkers.
        if (!IsPoint(loc) && side != SIDE_NONE && side != FixedOwner(loc)) return false;
        PlaceCheckers(p, loc, side, count);
    }
    return true;
}

// "00" or letters are no throw; a double offered, beavered or raccooned
// waits for its answer.
std::optional<TextError> ReadDice(std::string_view text, TextPosition& p) {
    if (text == "D" || text == "B" || text == "R") return TextError::DoubleOffered;
    if (!text.empty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    if (text.size() != 2 || !std::isdigit(static_cast<unsigned char>(text[0])) ||
        !std::isdigit(static_cast<unsigned char>(text[1])))
        return TextError::Unreadable;
    p.dice[0] = text[0] - '0';
    p.dice[1] = text[1] - '0';
    return std::nullopt;
}
}  // namespace

std::string EncodeXgid(const TextPosition& p) {
    std::string text(kPrefix);
    for (int i = 0; i < kBoardChars; ++i) {
        const Checkers& e = p.table[LocationOfChar(i)];
        if (e.count == 0)
            text += '-';
        else
            text += static_cast<char>((e.owner == SIDE_HUMAN ? 'A' : 'a') + e.count - 1);
    }
    text += ":" + std::to_string(std::countr_zero(static_cast<unsigned>(p.cubeValue)));
    text += ":" + std::to_string(SignOf(p.cubeOwner));
    text += ":" + std::to_string(SignOf(p.side));
    text += ":" + (p.DiceThrown() ? std::to_string(p.dice[0]) + std::to_string(p.dice[1]) : std::string("00"));
    // The bottom player's score first; the rules field flags the Crawford game.
    text += ":" + std::to_string(p.match.points[SIDE_HUMAN]) + ":" + std::to_string(p.match.points[SIDE_COMPUTER]);
    text += ":" + std::to_string(IsCrawfordGame(p.match) ? 1 : 0) + ":" + std::to_string(p.match.length);
    return text + std::string(kCubeLimit);
}

TextRead DecodeXgid(std::string_view line, Matches matches) {
    if (!line.starts_with(kPrefix)) return TextError::Unreadable;
    const std::vector<std::string_view> f = Split(line.substr(kPrefix.size()));
    if (f.size() != kFields && f.size() != kFields + 1) return TextError::Unreadable;
    TextPosition p;
    if (!ReadBoard(f[0], p)) return TextError::Unreadable;
    const std::optional<int> power = Integer(f[1]), holder = Integer(f[2]), onRoll = Integer(f[3]),
                             length = Integer(f[8]);
    if (!power || !holder || !onRoll || !length || *power < 0 || *holder < -1 || *holder > 1 ||
        (*onRoll != 1 && *onRoll != -1))
        return TextError::Unreadable;
    if (*length != 0) {
        const std::optional<int> human = Integer(f[5]), computer = Integer(f[6]), crawford = Integer(f[7]);
        if (!human || !computer || !crawford || (*crawford != 0 && *crawford != 1)) return TextError::Unreadable;
        if (const std::optional<TextError> error = SetMatch(p, matches, *length, *human, *computer, *crawford == 1))
            return *error;
    }
    if (*power > 6) return TextError::CubeTooHigh;
    p.cubeValue = 1 << *power;
    p.cubeOwner = *holder == 1 ? SIDE_HUMAN : *holder == -1 ? SIDE_COMPUTER : SIDE_NONE;
    p.side = *onRoll == 1 ? SIDE_HUMAN : SIDE_COMPUTER;
    if (const std::optional<TextError> error = ReadDice(f[4], p)) return *error;
    return Completed(p);
}
