#include "platform/profile_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct ReadCase {
    const char* name;
    const char* text;
    int32_t expected;
};

constexpr int32_t kDef = -77;

const ReadCase kReads[] = {
    {"plain", "[options]\nspeed=40\n", 40},
    {"names in any case", "[OPTIONS]\nSPEED=40\n", 40},
    {"blanks around names and value", "  [ options ]  \n \t speed \t=  40 \t\n", 40},
    {"CRLF line breaks", "[options]\r\nspeed=40\r\n", 40},
    {"no final line break", "[options]\nspeed=40", 40},
    {"leading integer", "[options]\nspeed=12abc\n", 12},
    {"negative", "[options]\nspeed=-5\n", -5},
    {"plus sign", "[options]\nspeed=+7\n", 7},
    {"most negative int", "[options]\nspeed=-2147483648\n", INT32_MIN},
    {"largest int", "[options]\nspeed=2147483647\n", INT32_MAX},
    {"too large for an int", "[options]\nspeed=2147483648\n", kDef},
    {"far too large", "[options]\nspeed=99999999999999999999999\n", kDef},
    {"not a number", "[options]\nspeed=abc\n", kDef},
    {"sign alone", "[options]\nspeed=-\n", kDef},
    {"empty value", "[options]\nspeed=\n", kDef},
    {"hexadecimal is its leading 0", "[options]\nspeed=0x20\n", 0},
    {"empty text", "", kDef},
    {"absent key", "[options]\nspeedy=40\n", kDef},
    {"key in another section", "[game]\nspeed=40\n[options]\nwit=3\n", kDef},
    {"key before any section", "speed=40\n[options]\n", kDef},
    {"first of two lines", "[options]\nspeed=40\nspeed=50\n", 40},
    {"first of two sections", "[options]\nwit=1\n[options]\nspeed=50\n", kDef},
    {"header without its bracket", "[options]\n[game\nspeed=40\n", 40},
    {"comment line", "[options]\n;speed=10\nspeed=40\n", 40},
    {"line without '='", "[options]\nspeed 40\n", kDef},
    {"'=' inside the value", "[options]\nspeed=4=0\n", 4},
    {"UTF-8 byte order mark", "\xEF\xBB\xBF[options]\nspeed=40\n", 40},
    {"byte order mark inside the text", "[game]\n\xEF\xBB\xBF[options]\nspeed=40\n", kDef},
};
}  // namespace

TEST(ProfileText, ReadsTheLeadingIntegerOfTheKey) {
    for (const ReadCase& c : kReads) EXPECT_EQ(ReadProfileInt(c.text, "options", "speed", kDef), c.expected) << c.name;
}

namespace {
struct WriteCase {
    const char* name;
    const char* before;
    const char* after;
};

const WriteCase kWrites[] = {
    {"into empty text", "", "[options]\nspeed=9\n"},
    {"value in place, the rest byte for byte", "; kept\n[Options] \n  Speed = 40 \t\nfoo=bar\n\n[game]\nwit=3\n",
     "; kept\n[Options] \n  Speed = 9 \t\nfoo=bar\n\n[game]\nwit=3\n"},
    {"empty value", "[options]\nspeed=\nx=1\n", "[options]\nspeed=9\nx=1\n"},
    {"key added after the section's last line", "[options]\nx=1\n\n[game]\nwit=3\n",
     "[options]\nx=1\nspeed=9\n\n[game]\nwit=3\n"},
    {"comment before the next section stays with it", "[options]\nx=1\n; scores\n[game]\n",
     "[options]\nx=1\nspeed=9\n; scores\n[game]\n"},
    {"key added to the last section", "[game]\nwit=3\n[options]\nx=1", "[game]\nwit=3\n[options]\nx=1\nspeed=9\n"},
    {"key added to an empty section", "[options]\n[game]\n", "[options]\nspeed=9\n[game]\n"},
    {"section appended", "[game]\nwit=3\n", "[game]\nwit=3\n[options]\nspeed=9\n"},
    {"section appended after a last line without break", "[game]\nwit=3", "[game]\nwit=3\n[options]\nspeed=9\n"},
    {"CRLF text keeps CRLF", "[options]\r\nx=1\r\n", "[options]\r\nx=1\r\nspeed=9\r\n"},
    {"CRLF value replaced", "[options]\r\nspeed=1\r\n", "[options]\r\nspeed=9\r\n"},
    {"only the first of two lines", "[options]\nspeed=1\nspeed=2\n", "[options]\nspeed=9\nspeed=2\n"},
    {"byte order mark kept", "\xEF\xBB\xBF[options]\nspeed=1\n", "\xEF\xBB\xBF[options]\nspeed=9\n"},
};
}  // namespace

TEST(ProfileText, WriteChangesOneKeyAndKeepsEveryOtherLine) {
    for (const WriteCase& c : kWrites) {
        const std::string after = WriteProfileValue(c.before, "options", "speed", "9");
        EXPECT_EQ(after, c.after) << c.name;
        EXPECT_EQ(ReadProfileInt(after, "options", "speed", kDef), 9) << c.name;
    }
}

TEST(ProfileText, GarbageNeitherCrashesNorHangs) {
    std::string garbage(3 << 20, '\0');
    uint32_t seed = 12345;
    for (char& ch : garbage) {
        seed = seed * 1103515245 + 12345;
        ch = static_cast<char>(seed >> 16);
    }
    const std::string noBreaks(1 << 20, '[');
    for (const std::string& text : {garbage, noBreaks, std::string(1 << 20, '\n')}) {
        EXPECT_EQ(ReadProfileInt(text, "options", "speed", kDef), kDef);
        const std::string after = WriteProfileValue(text, "options", "speed", "9");
        EXPECT_EQ(after.compare(0, text.size(), text), 0);
        EXPECT_EQ(ReadProfileInt(after, "options", "speed", kDef), 9);
    }
}
