#include "settings/kept_match.h"

#include <gtest/gtest.h>

#include "settings/settings_fixture.h"

namespace {
struct KeptCase {
    const char* ini;
    int chosenLength;
    int length, you, computer;
    bool crawfordDone, resumed, damaged;
};

const KeptCase kKept[] = {
    {"", 0, 0, 0, 0, false, false, false},
    {"", 7, 7, 0, 0, false, false, false},
    {"[game]\nMatchTo=7\nMatchYou=3\nMatchComputer=5\n", 7, 7, 3, 5, false, true, false},
    // The match going on keeps its length when the option has changed since.
    {"[game]\nMatchTo=5\nMatchYou=4\nMatchComputer=1\nCrawfordDone=1\n", 11, 5, 4, 1, true, true, false},
    // Written before the key existed: the option's length.
    {"[game]\nMatchYou=2\nMatchComputer=1\n", 3, 3, 2, 1, false, true, false},
    // A finished match, or a score left from one before money play, starts anew.
    {"[game]\nMatchTo=5\nMatchYou=6\nMatchComputer=2\nCrawfordDone=1\n", 5, 5, 0, 0, false, false, false},
    {"[game]\nMatchTo=0\nMatchYou=2\n", 0, 0, 0, 0, false, false, false},
    // Damaged values.
    {"[game]\nMatchTo=7\nMatchYou=-1\nMatchComputer=2\n", 7, 7, 0, 0, false, false, true},
    {"[game]\nMatchTo=7\nMatchYou=9\nMatchComputer=8\n", 7, 7, 0, 0, false, false, true},
    {"[game]\nMatchTo=7\nMatchYou=2\nMatchComputer=3\nCrawfordDone=1\n", 7, 7, 0, 0, false, false, true},
    {"[game]\nMatchTo=7\nMatchYou=6\nMatchComputer=6\n", 7, 7, 0, 0, false, false, true},
    {"[game]\nMatchTo=7\nMatchYou=6\nMatchComputer=2\nCrawfordDone=2\n", 7, 7, 0, 0, false, false, true},
    {"[game]\nMatchTo=4\nMatchYou=1\n", 7, 7, 0, 0, false, false, true},
    {"[game]\nMatchesYou=-3\n", 3, 3, 0, 0, false, false, true},
};

TEST_F(SettingsTest, KeptMatchIsReadAndDamageStartsANewMatch) {
    for (const KeptCase& c : kKept) {
        WriteIni(c.ini);
        const KeptMatch kept = LoadKeptMatch(c.chosenLength);
        const MatchScore expected{c.length, {0, c.computer, c.you}, c.crawfordDone};
        EXPECT_EQ(kept.score, expected) << c.ini;
        EXPECT_EQ(kept.resumed, c.resumed) << c.ini;
        EXPECT_EQ(kept.damaged, c.damaged) << c.ini;
    }
}

TEST_F(SettingsTest, KeptMatchSurvivesARestart) {
    const MatchScore score{9, {0, 8, 4}, true};
    const int32_t won[3] = {0, 2, 11};
    ASSERT_TRUE(SaveMatchScore(score));
    ASSERT_TRUE(SaveMatchesWon(won));
    const KeptMatch kept = LoadKeptMatch(3);
    EXPECT_EQ(kept.score, score);
    EXPECT_EQ(kept.matchesWon[SIDE_COMPUTER], 2);
    EXPECT_EQ(kept.matchesWon[SIDE_HUMAN], 11);
}
}  // namespace
