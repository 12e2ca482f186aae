#include "interchange/kept_games.h"

#include <iterator>

#include "platform/le_bytes.h"
#include "platform/record_list.h"
#include "rules/match_score.h"

namespace {
// Two bytes an event, so that a thousand games and their reviews stay well
// under two megabytes.
constexpr Magic kMagic = {'K', 'G', 'M', '2'};
// The first format, eleven bytes an event, is still read: its games come back
// and are written anew in the second.
constexpr Magic kFirstMagic = {'K', 'G', 'M', '1'};
// More events than any game has: a count beyond it is not a count we wrote.
constexpr int32_t kMaxEvents = 100000;
constexpr std::size_t kFirstEventBytes = 11;
// Stakes and points a game can reach: 64 × 3.
constexpr int32_t kMaxPoints = 192;

bool InRange(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }

// Each field as the record can hold it.
bool IsSound(const GameEvent& e) {
    if (e.side != SIDE_COMPUTER && e.side != SIDE_HUMAN) return false;
    switch (e.action) {
        case GameAction::Throw:
            return InRange(e.a, 1, 6) && InRange(e.b, 1, 6);
        case GameAction::Step:
            return InRange(e.a, 0, NUM_LOCATIONS - 1) && InRange(e.b, 0, NUM_LOCATIONS - 1);
        case GameAction::Double:
            return InRange(e.a, 2, MAX_CUBE_VALUE);
        case GameAction::Resign:
            return InRange(e.a, 1, 3);
        case GameAction::Win:
            return InRange(e.a, 1, kMaxPoints);
        default:
            return true;
    }
}

bool IsSoundScore(const MatchScore& m) {
    if (m.length != 0) return IsPlausibleMatchInPlay(m);
    return m.points[SIDE_COMPUTER] == 0 && m.points[SIDE_HUMAN] == 0 && !m.crawfordDone;
}

// An event in sixteen bits: the action, the side, then the fields the action has.
uint16_t Packed(const GameEvent& e) {
    int fields = 0;
    switch (e.action) {
        case GameAction::Throw:
            fields = e.a | e.b << 3;
            break;
        case GameAction::Step:
            fields = e.a | e.b << 5 | (e.hit ? 1 << 10 : 0);
            break;
        case GameAction::Double:
        case GameAction::Resign:
        case GameAction::Win:
            fields = e.a;
            break;
        default:
            break;
    }
    return static_cast<uint16_t>(static_cast<int>(e.action) | (e.side == SIDE_HUMAN ? 8 : 0) | fields << 4);
}

// The event packed, or false when the bits are not ones Packed writes.
bool Unpack(uint16_t bits, GameEvent& e) {
    const int fields = bits >> 4;
    e = {static_cast<GameAction>(bits & 7), (bits & 8) != 0 ? SIDE_HUMAN : SIDE_COMPUTER};
    switch (e.action) {
        case GameAction::Throw:
            e.a = fields & 7;
            e.b = fields >> 3;
            break;
        case GameAction::Step:
            e.a = fields & 31;
            e.b = fields >> 5 & 31;
            e.hit = (fields >> 10) != 0;
            break;
        case GameAction::Double:
        case GameAction::Resign:
        case GameAction::Win:
            e.a = fields;
            break;
        default:
            break;
    }
    return IsSound(e) && Packed(e) == bits;
}

bool ReadGame(ByteReader& in, RecordedGame& game) {
    if (!in.Has(4 + 4)) return false;
    const uint8_t flags = in.U8();
    game.fromStart = (flags & 1) != 0;
    game.over = (flags & 2) != 0;
    MatchScore& m = game.scoreBefore;
    m.crawfordDone = (flags & 4) != 0;
    m.length = in.U8();
    m.points[SIDE_COMPUTER] = in.U8();
    m.points[SIDE_HUMAN] = in.U8();
    const int32_t events = in.I32();
    if (flags > 7 || !IsSoundScore(m) || !InRange(events, 0, kMaxEvents)) return false;
    if (!in.Has(static_cast<std::size_t>(events) * 2)) return false;
    game.events.resize(static_cast<std::size_t>(events));
    for (GameEvent& e : game.events)
        if (!Unpack(in.U16(), e)) return false;
    return true;
}

bool ReadFirstFormatGame(ByteReader& in, RecordedGame& game) {
    if (!in.Has(1 + 4 * 3 + 1 + 4)) return false;
    const uint8_t flags = in.U8();
    game.fromStart = (flags & 1) != 0;
    game.over = (flags & 2) != 0;
    MatchScore& m = game.scoreBefore;
    m.length = in.I32();
    m.points[SIDE_COMPUTER] = in.I32();
    m.points[SIDE_HUMAN] = in.I32();
    const uint8_t crawfordDone = in.U8();
    m.crawfordDone = crawfordDone == 1;
    const int32_t events = in.I32();
    if (flags > 3 || crawfordDone > 1 || !IsSoundScore(m) || !InRange(events, 0, kMaxEvents)) return false;
    if (!in.Has(static_cast<std::size_t>(events) * kFirstEventBytes)) return false;
    game.events.resize(static_cast<std::size_t>(events));
    for (GameEvent& e : game.events) {
        const uint8_t action = in.U8();
        e.side = in.U8();
        e.a = in.I32();
        e.b = in.I32();
        const uint8_t hit = in.U8();
        if (action > static_cast<uint8_t>(GameAction::DoublePlayedOn) || hit > 1) return false;
        e.action = static_cast<GameAction>(action);
        e.hit = hit == 1;
        if (!IsSound(e)) return false;
    }
    return true;
}
}  // namespace

Bytes EncodeKeptGames(const std::vector<RecordedGame>& games) {
    Bytes bytes = RecordListHeader(kMagic, games.size());
    ByteWriter out(bytes);
    for (const RecordedGame& game : games) {
        const MatchScore& m = game.scoreBefore;
        out.U8(static_cast<uint8_t>((game.fromStart ? 1 : 0) | (game.over ? 2 : 0) | (m.crawfordDone ? 4 : 0)));
        out.U8(static_cast<uint8_t>(m.length));
        out.U8(static_cast<uint8_t>(m.points[SIDE_COMPUTER]));
        out.U8(static_cast<uint8_t>(m.points[SIDE_HUMAN]));
        out.I32(static_cast<int32_t>(game.events.size()));
        for (const GameEvent& e : game.events) out.U16(Packed(e));
    }
    return bytes;
}

std::optional<std::vector<RecordedGame>> DecodeKeptGames(const Bytes& bytes) {
    if (auto games = ReadRecordList<RecordedGame>(bytes, kMagic, MAX_KEPT_GAMES, ReadGame)) return games;
    return ReadRecordList<RecordedGame>(bytes, kFirstMagic, MAX_KEPT_GAMES, ReadFirstFormatGame);
}

KeptGames LoadKeptGames(const std::string& path) {
    // The largest file the cap allows is far below this.
    constexpr std::size_t kLimit = 64u << 20;
    KeptGames kept;
    kept.games = LoadRecordList<RecordedGame>(path, kLimit, DecodeKeptGames, kept.setAside);
    return kept;
}

FileResult AppendKeptGame(const std::string& path, std::vector<RecordedGame>& games, const RecordedGame& game) {
    games.push_back(game);
    if (games.size() > MAX_KEPT_GAMES) games.erase(games.begin(), games.end() - MAX_KEPT_GAMES);
    return WriteFileAtomically(path, EncodeKeptGames(games));
}

std::vector<RecordedGame> LastMatchGames(const std::vector<RecordedGame>& kept) {
    auto first = kept.end();
    while (first != kept.begin()) {
        const MatchScore& score = std::prev(first)->scoreBefore;
        if (!IsMatch(score) || (first != kept.end() && score.length != first->scoreBefore.length)) break;
        --first;
        if (score.points[SIDE_HUMAN] == 0 && score.points[SIDE_COMPUTER] == 0) break;
    }
    return {first, kept.end()};
}
