#include "resources/strings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "resources/commands.h"

namespace {

struct Expected {
    int id;
    const char* text;
};

// The texts where a lost blank, newline or format character would show.
constexpr Expected kSamples[] = {
    {101, "st "},
    {102, "nd"},
    {103, "rd "},
    {104, "th "},
    {105, "from  "},
    {106, "  to  "},
    {107, "Dice: "},
    {113, "Click on position to leave from..."},
    {117, "<Esc> or right mouse to undo"},
    {118, "You cannot move. Press spacebar or click dice"},
    {119, "= Computer leads by %d ="},
    {120, "= You lead by %d ="},
    {230, "%ld min %02ld sec"},
    {236, "Keep <esc> depressed to cancel"},
    {237, "Quick Finish ? (No = slow)"},
    {1047,
     "If there is ANY way to use both dice, NEITHER die can be passed.\n\nUndo "
     "your move and try again."},
    {57345, "Click on position to leave from..."},
    {IDS_COMPUTER_RESIGNS, "Computer gives up.  -Ok ?"},
    {205, "Leave Orvan's backgammon"},
    {32772, "Finish game; let program play both sides"},
    {57664, "About Orvan's Backgammon"},
};

TEST(StringTable, QuotedTextsAreExact) {
    for (const Expected& e : kSamples) EXPECT_EQ(std::string(ResString(e.id)), e.text) << "id " << e.id;
}

TEST(StringTable, UnknownIdGivesEmptyText) {
    for (int id : {0, -1, 100, 105 + 1000, 32775, 99999}) EXPECT_STREQ(ResString(id), "") << "id " << id;
}

TEST(StringTable, EveryMenuCommandHasAPromptAndInternalOnesNone) {
    for (const CommandInfo& c : CommandTable())
        EXPECT_EQ(ResString(c.id)[0] != '\0', c.hasPrompt) << "command " << c.id;
}

TEST(StringTable, OrdinalSuffixesFollowTheMoveNumber) {
    // The second line has one blank fewer: its suffix carries none.
    const char* expected[] = {"1st  from  ", "2nd from  ", "3rd  from  ", "4th  from  "};
    for (int ordinal = 1; ordinal <= 4; ++ordinal) {
        char line[64];
        std::snprintf(line, sizeof line, "%d%s %s", ordinal, ResString(IDS_ORDINAL_BASE + ordinal),
                      ResString(IDS_FROM));
        EXPECT_STREQ(line, expected[ordinal - 1]);
    }
}

}  // namespace
