#include "coach/kept_reviews.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "interchange/kept_games.h"
#include "platform/le_bytes.h"
#include "platform/record_list.h"

namespace {
constexpr Magic kMagic = {'K', 'R', 'V', '1'};
constexpr int kKinds = 4, kAdvices = 6;
// A step of a best play in one byte: the location left, and how far it goes
// (7 for borne off).
constexpr int kOff = 7;

uint64_t Mixed(uint64_t hash, int32_t value) {
    // FNV-1a, a byte at a time.
    for (int shift = 0; shift < 32; shift += 8)
        hash = (hash ^ ((static_cast<uint32_t>(value) >> shift) & 0xFF)) * 0x100000001B3ull;
    return hash;
}

int32_t Scaled(float figure) { return static_cast<int32_t>(std::lround(figure * FIGURE_RESOLUTION)); }
float Unscaled(int32_t value) { return static_cast<float>(value) / FIGURE_RESOLUTION; }

void WriteDecision(ByteWriter& out, const DecisionFigures& d) {
    const bool play = d.kind == DecisionKind::Play;
    const int extra = play ? (d.madeWasBest ? 0 : d.best.count) : static_cast<int>(d.advice);
    out.U8(static_cast<uint8_t>(static_cast<int>(d.kind) | (d.forced ? 4 : 0) | (d.madeWasBest ? 8 : 0) | extra << 4));
    out.U16(static_cast<uint16_t>(Scaled(d.loss)));
    if (!play || d.madeWasBest) return;
    for (int i = 0; i < d.best.count; ++i) {
        const PlayStep& s = d.best.steps[i];
        out.U8(static_cast<uint8_t>(s.from * 8 + (s.to == LOC_HUMAN_OFF ? kOff : s.to - s.from)));
    }
}

bool ReadDecision(ByteReader& in, DecisionFigures& d) {
    if (!in.Has(3)) return false;
    const uint8_t flags = in.U8();
    const int kind = flags & 3, extra = flags >> 4;
    d.kind = static_cast<DecisionKind>(kind);
    d.forced = (flags & 4) != 0;
    d.madeWasBest = (flags & 8) != 0;
    d.loss = Unscaled(in.U16());
    if (d.kind != DecisionKind::Play) {
        d.advice = static_cast<CubeAdvice>(extra);
        return extra < kAdvices && !d.forced && d.madeWasBest && kind < kKinds;
    }
    if (d.madeWasBest) return extra == 0;
    if (extra > MAX_DICE || !in.Has(static_cast<std::size_t>(extra))) return false;
    d.best.count = extra;
    for (int i = 0; i < extra; ++i) {
        const uint8_t code = in.U8();
        const int from = code / 8, far = code % 8;
        if (from > 24 || far == 0 || (far != kOff && from + far > 24)) return false;
        d.best.steps[i] = {from, far == kOff ? LOC_HUMAN_OFF : from + far, false};
    }
    return true;
}

bool ReadReview(ByteReader& in, KeptReview& review) {
    if (!in.Has(8 + 4 + 4 + 2)) return false;
    const uint32_t low = static_cast<uint32_t>(in.I32()), high = static_cast<uint32_t>(in.I32());
    review.game = static_cast<uint64_t>(high) << 32 | low;
    const int32_t luck[2] = {in.I32(), in.I32()};
    for (int side : {SIDE_COMPUTER, SIDE_HUMAN}) {
        if (std::abs(luck[side - 1]) > Scaled(MOST_LUCK)) return false;
        review.figures.luck[side] = Unscaled(luck[side - 1]);
    }
    review.figures.decisions.resize(in.U16());
    for (DecisionFigures& d : review.figures.decisions)
        if (!ReadDecision(in, d)) return false;
    return true;
}
}  // namespace

uint64_t GameKey(const RecordedGame& game) {
    uint64_t hash = 0xCBF29CE484222325ull;
    hash = Mixed(hash, (game.fromStart ? 1 : 0) | (game.over ? 2 : 0));
    const MatchScore& m = game.scoreBefore;
    for (int32_t v : {m.length, m.points[SIDE_COMPUTER], m.points[SIDE_HUMAN], static_cast<int32_t>(m.crawfordDone)})
        hash = Mixed(hash, v);
    for (const GameEvent& e : game.events)
        for (int32_t v : {static_cast<int32_t>(e.action), e.side, e.a, e.b, static_cast<int32_t>(e.hit)})
            hash = Mixed(hash, v);
    return hash;
}

Bytes EncodeKeptReviews(const std::vector<KeptReview>& reviews) {
    Bytes bytes = RecordListHeader(kMagic, reviews.size());
    ByteWriter out(bytes);
    for (const KeptReview& r : reviews) {
        out.I32(static_cast<int32_t>(r.game & 0xFFFFFFFF));
        out.I32(static_cast<int32_t>(r.game >> 32));
        out.I32(Scaled(r.figures.luck[SIDE_COMPUTER]));
        out.I32(Scaled(r.figures.luck[SIDE_HUMAN]));
        out.U16(static_cast<uint16_t>(r.figures.decisions.size()));
        for (const DecisionFigures& d : r.figures.decisions) WriteDecision(out, d);
    }
    return bytes;
}

std::optional<std::vector<KeptReview>> DecodeKeptReviews(const Bytes& bytes) {
    return ReadRecordList<KeptReview>(bytes, kMagic, MAX_KEPT_GAMES, ReadReview);
}

KeptReviews LoadKeptReviews(const std::string& path) {
    // The largest file the cap allows is far below this.
    constexpr std::size_t kLimit = 16u << 20;
    KeptReviews kept;
    kept.reviews = LoadRecordList<KeptReview>(path, kLimit, DecodeKeptReviews, kept.setAside);
    return kept;
}

const ReviewFigures* FindReview(const std::vector<KeptReview>& reviews, const RecordedGame& game) {
    const uint64_t key = GameKey(game);
    const auto it = std::find_if(reviews.begin(), reviews.end(), [key](const KeptReview& r) { return r.game == key; });
    return it == reviews.end() ? nullptr : &it->figures;
}

FileResult KeepReview(const std::string& path, std::vector<KeptReview>& reviews, const RecordedGame& game,
                      const ReviewFigures& figures, const std::vector<RecordedGame>& keptGames) {
    std::vector<uint64_t> kept;
    for (const RecordedGame& g : keptGames) kept.push_back(GameKey(g));
    std::sort(kept.begin(), kept.end());
    const uint64_t key = GameKey(game);
    std::erase_if(reviews, [&](const KeptReview& r) {
        return r.game == key || !std::binary_search(kept.begin(), kept.end(), r.game);
    });
    reviews.push_back({key, figures});
    if (reviews.size() > MAX_KEPT_GAMES) reviews.erase(reviews.begin(), reviews.end() - MAX_KEPT_GAMES);
    return WriteFileAtomically(path, EncodeKeptReviews(reviews));
}
