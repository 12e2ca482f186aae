#include "interchange/position_text.h"

#include <algorithm>
#include <cctype>

#include "resources/strings.h"

namespace {
std::string_view Trimmed(std::string_view line) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!line.empty() && blank(line.front())) line.remove_prefix(1);
    while (!line.empty() && blank(line.back())) line.remove_suffix(1);
    return line;
}

// One word whose first 14 characters stand before a colon or alone.
bool LooksLikeGnuIds(std::string_view line) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    return line.substr(0, line.find(':')).size() == 14 && std::none_of(line.begin(), line.end(), blank);
}

int TrayOfSide(int side) { return side == SIDE_HUMAN ? LOC_HUMAN_OFF : LOC_COMPUTER_OFF; }
}  // namespace

bool TextPosition::operator==(const TextPosition& other) const {
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc)
        if (table[loc].count != other.table[loc].count || table[loc].owner != other.table[loc].owner) return false;
    return side == other.side && dice[0] == other.dice[0] && dice[1] == other.dice[1] && cubeValue == other.cubeValue &&
           cubeOwner == other.cubeOwner && match == other.match;
}

int TextErrorString(TextError error) {
    if (error == TextError::DoubleOffered) return IDS_TEXT_DOUBLE_OFFERED;
    if (error == TextError::MatchScore) return IDS_TEXT_MATCH_SCORE;
    return IDS_TEXT_NOT_FOUND + static_cast<int>(error);
}

TextPosition TextPositionOf(const Position& p) {
    TextPosition position;
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc)
        position.table[loc] = {p[loc].count, IsPoint(loc) ? p[loc].owner : FixedOwner(loc)};
    position.side = p.sideToMove;
    position.cubeValue = p.cubeValue;
    position.cubeOwner = p.cubeOwner;
    position.match = p.match;
    return position;
}

std::optional<TextError> SetMatch(TextPosition& position, Matches matches, int length, int humanScore,
                                  int computerScore, bool crawfordGame) {
    if (length == 0) return std::nullopt;
    if (matches == Matches::Refused) return TextError::MatchPlay;
    MatchScore m{length, {0, computerScore, humanScore}, false};
    // The texts flag the Crawford game itself; the games after it show as a
    // side one away without the flag.
    m.crawfordDone = !crawfordGame && m.length > 1 && (Away(m, SIDE_HUMAN) == 1 || Away(m, SIDE_COMPUTER) == 1);
    if (!IsPlausibleMatchInPlay(m) || crawfordGame != IsCrawfordGame(m)) return TextError::MatchScore;
    position.match = m;
    return std::nullopt;
}

bool PlaceCheckers(TextPosition& position, int loc, int side, int count) {
    if (count == 0) return true;
    Checkers& entry = position.table[loc];
    if (entry.count != 0 && entry.owner != side) return false;
    entry.count = static_cast<int8_t>(std::min(entry.count + count, 127));
    entry.owner = side;
    return true;
}

TextRead Completed(TextPosition position) {
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc)
        if (!IsPoint(loc)) position.table[loc].owner = FixedOwner(loc);
    for (int side : {SIDE_COMPUTER, SIDE_HUMAN}) {
        int onBoard = 0;
        for (int loc = 0; loc < NUM_LOCATIONS; ++loc)
            if (position.table[loc].owner == side && loc != TrayOfSide(side)) onBoard += position.table[loc].count;
        if (onBoard > CHECKERS_PER_SIDE) return TextError::CheckerCount;
        // Analysis programs leave out the checkers borne off.
        if (onBoard == 0) return TextError::GameOver;
        position.table[TrayOfSide(side)].count = static_cast<int8_t>(CHECKERS_PER_SIDE - onBoard);
    }
    if (position.cubeValue > MAX_CUBE_VALUE) return TextError::CubeTooHigh;
    if ((position.cubeOwner == SIDE_NONE) != (position.cubeValue == 1)) return TextError::CubeHolder;
    if (!ScoreAllowsDoubling(position.match) && position.cubeValue != 1) return TextError::MatchScore;
    const auto die = [](int d) { return d >= 1 && d <= 6; };
    const bool none = position.dice[0] == 0 && position.dice[1] == 0;
    if (!none && !(die(position.dice[0]) && die(position.dice[1]))) return TextError::Dice;
    return position;
}

TextRead ReadPositionText(std::string_view text, Matches matches) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        if (line.starts_with("XGID=")) return DecodeXgid(line, matches);
        if (LooksLikeGnuIds(line)) return DecodeGnuIds(line, matches);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return TextError::NotFound;
}
