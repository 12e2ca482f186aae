#include "resources/stored_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Unscramble, SubtractsOneHundredFromEveryByte) {
    EXPECT_EQ(Unscramble("\xA5\xA6\xA7"), "ABC");
    // Codes below 100 wrap round.
    EXPECT_EQ(Unscramble("\x20\x94"),
              "\xBC"
              "0");
    EXPECT_EQ(Unscramble(""), "");
}

TEST(Unscramble, CutsLongTextsTo127Characters) {
    std::string longText(300, '\xA5');
    EXPECT_EQ(Unscramble(longText.c_str()).size(), 127u);
    EXPECT_EQ(Unscramble("\xA6"), "B");  // no tail of the long text left
}

TEST(StoredTexts, TitleHasEighteenCharacters) { EXPECT_EQ(Unscramble(ScrambledText(StoredText::Title)).size(), 18u); }

TEST(StoredTexts, AreStoredScrambledAndComeOutPrintable) {
    for (StoredText which : {StoredText::Title, StoredText::AboutLine1, StoredText::AboutLine2, StoredText::AboutLine3,
                             StoredText::Banner1, StoredText::Banner2, StoredText::Banner2Tail, StoredText::Banner3}) {
        std::string plain = Unscramble(ScrambledText(which));
        ASSERT_FALSE(plain.empty());
        EXPECT_NE(plain, ScrambledText(which));
        for (char c : plain) EXPECT_TRUE(c >= ' ' && c <= '~') << plain;
    }
}

}  // namespace
