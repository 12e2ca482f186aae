// The position ID and the match ID.
#include <bit>
#include <optional>

#include "interchange/bit_string.h"
#include "interchange/position_text.h"

namespace {
constexpr int kPositionIdBytes = 10;
constexpr int kMatchIdBytes = 9;
constexpr int kPositionIdChars = 14;
constexpr int kMatchIdChars = 12;

// Match ID field values.
constexpr unsigned kCentred = 3;
constexpr unsigned kPlaying = 1;

// Each side counts its own points 1..24 from its home; the computer's match
// the location numbers, the human's run the other way.
int LocationOf(int side, int ownPoint) {
    if (ownPoint == 25) return side == SIDE_HUMAN ? LOC_HUMAN_BAR : LOC_COMPUTER_BAR;
    return side == SIDE_HUMAN ? 25 - ownPoint : ownPoint;
}

// Player 1 of the match ID is the human, player 0 the computer.
unsigned PlayerOf(int side) { return side == SIDE_HUMAN ? 1 : 0; }
int SideOf(unsigned player) { return player == 1 ? SIDE_HUMAN : SIDE_COMPUTER; }

std::string PositionId(const TextPosition& p) {
    BitWriter bits(kPositionIdBytes);
    for (int side : {MirrorSide(p.side), p.side}) {
        for (int own = 1; own <= 25; ++own) {
            const Checkers& e = p.table[LocationOf(side, own)];
            const int count = e.owner == side ? e.count : 0;
            bits.Put((1u << count) - 1, count);
            bits.Put(0, 1);
        }
    }
    return ToBase64(bits.Bytes());
}

std::string MatchId(const TextPosition& p) {
    BitWriter bits(kMatchIdBytes);
    bits.Put(static_cast<unsigned>(std::countr_zero(static_cast<unsigned>(p.cubeValue))), 4);
    bits.Put(p.cubeOwner == SIDE_NONE ? kCentred : PlayerOf(p.cubeOwner), 2);
    bits.Put(PlayerOf(p.side), 1);
    bits.Put(IsCrawfordGame(p.match) ? 1 : 0, 1);
    bits.Put(kPlaying, 3);
    bits.Put(PlayerOf(p.side), 1);  // to act
    bits.Put(0, 1);                 // double offered
    bits.Put(0, 2);                 // resignation offered
    bits.Put(static_cast<unsigned>(p.dice[0]), 3);
    bits.Put(static_cast<unsigned>(p.dice[1]), 3);
    bits.Put(static_cast<unsigned>(p.match.length), 15);
    bits.Put(static_cast<unsigned>(p.match.points[SideOf(0)]), 15);
    bits.Put(static_cast<unsigned>(p.match.points[SideOf(1)]), 15);
    bits.Put(1, 1);  // no Jacoby rule
    return ToBase64(bits.Bytes());
}

// The checkers of the side not on roll, then of the side on roll.
std::optional<TextError> ReadCheckers(std::string_view id, TextPosition& p) {
    const auto bytes = FromBase64(id, kPositionIdBytes);
    if (!bytes) return TextError::Unreadable;
    BitReader bits(*bytes);
    for (int side : {MirrorSide(p.side), p.side}) {
        for (int own = 1; own <= 25; ++own) {
            int count = 0;
            while (!bits.AtEnd() && bits.Get(1) == 1) ++count;
            // A side's 80 bits cannot hold more than 30 checkers: no overflow.
            if (!PlaceCheckers(p, LocationOf(side, own), side, count)) return TextError::SharedPoint;
        }
    }
    return std::nullopt;
}

// The match ID's state of the game into `p`; an error when it is no game in play.
std::optional<TextError> ReadMatchId(std::string_view id, TextPosition& p, Matches matches) {
    const auto bytes = FromBase64(id, kMatchIdBytes);
    if (!bytes) return TextError::Unreadable;
    BitReader bits(*bytes);
    const unsigned power = bits.Get(4);
    const unsigned holder = bits.Get(2);
    p.side = SideOf(bits.Get(1));
    const bool crawford = bits.Get(1) == 1;
    const unsigned state = bits.Get(3);
    bits.Get(1);  // to act
    const bool doubleOffered = bits.Get(1) == 1;
    bits.Get(2);  // resignation offered
    p.dice[0] = static_cast<int>(bits.Get(3));
    p.dice[1] = static_cast<int>(bits.Get(3));
    const unsigned length = bits.Get(15);
    const unsigned score0 = bits.Get(15), score1 = bits.Get(15);
    if (holder == 2 || state == 0 || state > 4) return TextError::Unreadable;
    if (state != kPlaying) return TextError::GameOver;
    const int scores[2] = {static_cast<int>(score0), static_cast<int>(score1)};
    if (const std::optional<TextError> error =
            SetMatch(p, matches, static_cast<int>(length), scores[PlayerOf(SIDE_HUMAN)],
                     scores[PlayerOf(SIDE_COMPUTER)], crawford))
        return *error;
    if (power > 6) return TextError::CubeTooHigh;
    if (doubleOffered) return TextError::DoubleOffered;
    p.cubeValue = 1 << power;
    p.cubeOwner = holder == kCentred ? SIDE_NONE : SideOf(holder);
    return std::nullopt;
}
}  // namespace

std::string EncodeGnuIds(const TextPosition& position) { return PositionId(position) + ":" + MatchId(position); }

TextRead DecodeGnuIds(std::string_view line, Matches matches) {
    TextPosition p;
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos) {
        const std::string_view matchId = line.substr(colon + 1);
        if (matchId.size() != kMatchIdChars) return TextError::Unreadable;
        if (const std::optional<TextError> error = ReadMatchId(matchId, p, matches)) return *error;
    }
    const std::string_view positionId = line.substr(0, colon);
    if (positionId.size() != kPositionIdChars) return TextError::Unreadable;
    if (const std::optional<TextError> error = ReadCheckers(positionId, p)) return *error;
    return Completed(p);
}
