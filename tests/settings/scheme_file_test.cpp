#include "settings/scheme_file.h"

#include <gtest/gtest.h>

#include <string>

#include "game/game.h"
#include "platform/le_bytes.h"
#include "settings/settings_fixture.h"

namespace {
// A file the program could have written: every byte differs from its
// neighbours and from the built-in schemes, top bytes 0.
SchemeSet Distinct() {
    SchemeSet s{};
    for (int scheme = 0; scheme < NUM_SCHEMES; ++scheme)
        for (int slot = 0; slot < NUM_COLOR_SLOTS; ++slot) {
            const int i = 3 * (scheme * NUM_COLOR_SLOTS + slot);
            s[scheme][slot] = MakeColorRef(i + 1, i + 2, i + 3);
        }
    return s;
}
}  // namespace

TEST(SchemeFile, BuiltInSchemesHoldTheDocumentedColours) {
    struct Case {
        int scheme, slot;
        uint8_t r, g, b;
    };
    const Case cases[] = {
        {0, SLOT_BACKGROUND, 0, 192, 192},      {1, SLOT_BACKGROUND, 128, 192, 192},
        {2, SLOT_BACKGROUND, 179, 177, 207},    {3, SLOT_BACKGROUND, 210, 182, 85},
        {0, SLOT_POSITION_A, 192, 192, 192},    {0, SLOT_POSITION_B, 128, 128, 0},
        {1, SLOT_POSITION_A, 0, 128, 128},      {1, SLOT_BAR, 0, 128, 128},
        {1, SLOT_POSITION_B, 128, 64, 0},       {0, SLOT_COMPUTER_PIECE, 255, 128, 0},
        {1, SLOT_COMPUTER_PIECE, 255, 128, 64}, {2, SLOT_COMPUTER_PIECE, 255, 128, 128},
        {3, SLOT_COMPUTER_PIECE, 255, 128, 0},  {3, SLOT_HUMAN_PIECE, 255, 255, 255},
    };
    for (const Case& c : cases) {
        const COLORREF color = kDefaultSchemes[c.scheme][c.slot];
        EXPECT_EQ(color, MakeColorRef(c.r, c.g, c.b)) << c.scheme << "/" << c.slot;
        EXPECT_EQ(RedOf(color), c.r);
        EXPECT_EQ(GreenOf(color), c.g);
        EXPECT_EQ(BlueOf(color), c.b);
    }
}

TEST(SchemeFile, EncodesSchemesInOrderLittleEndian) {
    const Bytes bytes = EncodeSchemes(kDefaultSchemes);
    ASSERT_EQ(bytes.size(), SCHEME_FILE_SIZE);
    // Scheme B's computer piece, 0x004080FF, at 24 + 3 * 4.
    EXPECT_EQ(Bytes(bytes.begin() + 36, bytes.begin() + 40), (Bytes{0xFF, 0x80, 0x40, 0x00}));
    EXPECT_EQ(DecodeSchemes(bytes), kDefaultSchemes);
    EXPECT_EQ(DecodeSchemes(EncodeSchemes(Distinct())), Distinct());
}

TEST(SchemeFile, ShortFileGivesBuiltInColoursToTheSchemesItLacks) {
    const Bytes full = EncodeSchemes(Distinct());
    for (std::size_t size : {0u, 1u, 23u, 24u, 47u, 48u, 95u, 96u}) {
        const SchemeSet got = DecodeSchemes(Bytes(full.begin(), full.begin() + size));
        for (std::size_t s = 0; s < NUM_SCHEMES; ++s)
            EXPECT_EQ(got[s], 24 * (s + 1) <= size ? Distinct()[s] : kDefaultSchemes[s])
                << size << " bytes, scheme " << s;
    }
}

TEST(SchemeFile, TopByteIsNotPartOfAColour) {
    Bytes bytes = EncodeSchemes(kDefaultSchemes);
    bytes[3] = 0x02;
    EXPECT_EQ(DecodeSchemes(bytes)[0][SLOT_BACKGROUND], kDefaultSchemes[0][SLOT_BACKGROUND]);
}

TEST_F(SettingsTest, LoadCurrentSchemeFillsTheLiveColours) {
    struct Case {
        const char* name;
        std::size_t fileSize;  // 0: no file
        int scheme;
        ColorScheme expected;
        int curScheme;
    };
    const Case cases[] = {
        {"no file", 0, 0, kDefaultSchemes[0], 0},
        {"no file, scheme C", 0, 2, kDefaultSchemes[0], 0},
        {"scheme D", 96, 3, Distinct()[3], 3},
        {"scheme A", 96, 0, Distinct()[0], 0},
        {"scheme 7", 96, 7, kDefaultSchemes[0], 0},
        {"scheme -1", 96, -1, kDefaultSchemes[0], 0},
        {"file ends inside scheme C", 60, 2, kDefaultSchemes[2], 2},
        {"file holds scheme B whole", 48, 1, Distinct()[1], 1},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(SchemePath());
        if (c.fileSize) {
            const Bytes full = EncodeSchemes(Distinct());
            ASSERT_TRUE(WriteFileAtomically(SchemePath(), Bytes(full.begin(), full.begin() + c.fileSize)));
        }
        game.options.colors = {};
        game.options.curScheme = c.scheme;
        LoadCurrentScheme(game.options, c.scheme, SchemePath());
        EXPECT_EQ(game.options.colors, c.expected) << c.name;
        EXPECT_EQ(game.options.curScheme, c.curScheme) << c.name;
    }
}

TEST_F(SettingsTest, StartUpTakesTheStoredSchemeOrTheBuiltInA) {
    Bytes file(SCHEME_FILE_SIZE);
    for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<unsigned char>(i);
    for (std::size_t top = 3; top < file.size(); top += 4) file[top] = 0;
    ASSERT_TRUE(WriteFileAtomically(SchemePath(), file));
    const auto fromFile = [&](int scheme) {
        const auto at = file.begin() + 24 * scheme;
        return DecodeSchemes(Bytes(at, at + 24))[0];
    };
    const struct {
        const char* ini;
        ColorScheme colors;
        int curScheme;
    } cases[] = {
        {"[options]\nCurScheme=3\n", fromFile(3), 3},
        {"[options]\nCurScheme=1\n", fromFile(1), 1},
        {"", fromFile(0), 0},
        // A number that names no scheme gives the built-in colours, not the file's first scheme.
        {"[options]\nCurScheme=7\n", kDefaultSchemes[0], 0},
        {"[options]\nCurScheme=-1\n", kDefaultSchemes[0], 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        RestoreSettings();
        WriteIni(c.ini);
        LoadSettings(game.options, game.totalScore);
        LoadCurrentScheme(game.options, game.options.curScheme, SchemePath());
        EXPECT_EQ(game.options.curScheme, c.curScheme);
        EXPECT_EQ(game.options.colors, c.colors);
    }
    EXPECT_EQ(fromFile(3)[SLOT_BACKGROUND], 0x004A4948u);
    Bytes live;
    for (COLORREF c : fromFile(3)) ByteWriter(live).I32(static_cast<int32_t>(c));
    EXPECT_EQ(live, Bytes(file.begin() + 72, file.end()));
}

TEST_F(SettingsTest, WrittenSchemeFileReadsBack) {
    EXPECT_FALSE(ReadSchemeFile(SchemePath()).has_value());
    ASSERT_TRUE(WriteSchemeFile(Distinct(), SchemePath()));
    EXPECT_EQ(ReadSchemeFile(SchemePath()), Distinct());
    EXPECT_EQ(ReadFileBytes(SchemePath(), 1000)->size(), SCHEME_FILE_SIZE);
}
