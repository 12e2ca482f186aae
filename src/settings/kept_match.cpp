#include "settings/kept_match.h"

#include "platform/profile.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
int32_t GameInt(const char* key) { return GetProfileInt(GAME_SECTION, key, 0); }

bool IsFinished(const MatchScore& m) {
    const int winner = MatchWinner(m);
    return winner != SIDE_NONE && m.points[MirrorSide(winner)] < m.length && m.points[MirrorSide(winner)] >= 0;
}

MatchScore NewMatch(int32_t length) { return MatchScore{length, {0, 0, 0}, false}; }
}  // namespace

KeptMatch LoadKeptMatch(int32_t chosenLength) {
    KeptMatch kept;
    kept.score = NewMatch(MatchLengthOrMoney(chosenLength));
    for (int side : {SIDE_HUMAN, SIDE_COMPUTER}) {
        const int32_t won = GameInt(side == SIDE_HUMAN ? "MatchesYou" : "MatchesComputer");
        if (won >= 0 && won <= MAX_TOTAL_SCORE)
            kept.matchesWon[side] = won;
        else
            kept.damaged = true;
    }
    MatchScore stored;
    stored.length = GetProfileInt(GAME_SECTION, "MatchTo", kept.score.length);
    stored.points[SIDE_HUMAN] = GameInt("MatchYou");
    stored.points[SIDE_COMPUTER] = GameInt("MatchComputer");
    const int32_t crawfordDone = GameInt("CrawfordDone");
    stored.crawfordDone = crawfordDone == 1;
    const bool unplayed = stored.points[SIDE_HUMAN] == 0 && stored.points[SIDE_COMPUTER] == 0 && crawfordDone == 0;
    // Money play keeps no score; a score left from a match before is no damage.
    if (unplayed || stored.length == 0 || IsFinished(stored)) return kept;
    if (crawfordDone < 0 || crawfordDone > 1 || !IsPlausibleMatchInPlay(stored)) {
        kept.damaged = true;
        return kept;
    }
    kept.score = stored;
    kept.resumed = true;
    return kept;
}

FileResult SaveMatchScore(const MatchScore& score) {
    FileResult saved = WriteProfileInt(GAME_SECTION, "MatchTo", score.length);
    saved = FirstFailure(saved, WriteProfileInt(GAME_SECTION, "MatchYou", score.points[SIDE_HUMAN]));
    saved = FirstFailure(saved, WriteProfileInt(GAME_SECTION, "MatchComputer", score.points[SIDE_COMPUTER]));
    return FirstFailure(saved, WriteProfileInt(GAME_SECTION, "CrawfordDone", score.crawfordDone ? 1 : 0));
}

FileResult SaveMatchesWon(const int32_t (&won)[3]) {
    const FileResult you = WriteProfileInt(GAME_SECTION, "MatchesYou", won[SIDE_HUMAN]);
    return FirstFailure(you, WriteProfileInt(GAME_SECTION, "MatchesComputer", won[SIDE_COMPUTER]));
}
