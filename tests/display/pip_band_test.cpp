#include "display/pip_band.h"

#include <QImage>
#include <filesystem>

#include "controller/game_fixture.h"
#include "game/game.h"
#include "platform/canvas.h"
#include "platform/file_dialog.h"
#include "resources/command_ids.h"
#include "settings/color_scheme.h"
#include "temp_dir.h"

namespace {
class PipBandTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        game().options.showPips = 1;
        SetFileDialogHook([this](const FileDialogSpec&) { return std::optional<std::string>(file); });
    }
    void TearDown() override {
        SetFileDialogHook({});
        game().options.showPips = 0;
        GameTest::TearDown();
    }

    QImage Band() const {
        Canvas& canvas = wnd->GetCanvas();
        return canvas.Image().copy(canvas.DeviceRect(PipBandRect(wnd->Geometry())));
    }
    bool Blank(const QImage& band) {
        const QRgb background = ToQColor(game().options.colors[SLOT_BACKGROUND]).rgb();
        for (int y = 0; y < band.height(); ++y)
            for (int x = 0; x < band.width(); ++x)
                if (band.pixel(x, y) != background) return false;
        return true;
    }
    // The counts are shown and drawing them afresh changes nothing: they
    // are those of the board as it stands.
    void ExpectCurrent(const char* after) {
        const QImage shown = Band();
        EXPECT_FALSE(Blank(shown)) << after;
        DrawPipBand(wnd->Display());
        EXPECT_EQ(Band(), shown) << after;
    }

    TempDir dir{"pips"};
    std::string file = dir.File("pips.pos");
};

TEST_F(PipBandTest, TheCountsFollowEveryChangeOfTheBoard) {
    Start(SIDE_HUMAN, {{3, 1}});
    ExpectCurrent("new game");
    Setup({{1, 2}, {4, -1}, {6, -4}, {19, 13}, {24, -10}}, {3, 5});
    ExpectCurrent("a position set up");
    wnd->RunCommand(ID_FILE_SAVE);
    Click(1);
    Click(4);
    ExpectCurrent("a hit");
    wnd->RunCommand(ID_UNDO);
    Drain();
    ExpectCurrent("undo");
    wnd->RunCommand(ID_SWITCH_SIDES);
    Drain();
    ExpectCurrent("switch sides");
    Setup({{12, 15}, {13, -15}}, {2, 1});
    wnd->RunCommand(ID_FILE_OPEN);
    Drain();
    EXPECT_EQ(Count(4), -1);
    ExpectCurrent("open");
    Click(1);
    Click(4);
    Click(4);
    Click(9);
    EXPECT_EQ(game().position.sideToMove, SIDE_HUMAN) << "the computer has played";
    ExpectCurrent("the computer's turn");
}

// Nothing arrives after the last location these empty, yet the counts change.
TEST_F(PipBandTest, TheCountsFollowWhenTheLastChangeEmptiesALocation) {
    Setup({{1, 2}, {6, -15}, {19, 13}}, {3, 5});
    wnd->RunCommand(ID_SWITCH_SIDES);
    Drain();
    ExpectCurrent("switch sides");
    Setup({{1, 2}, {6, -4}, {19, 13}, {24, -10}, {25, -1}}, {3, 5});
    std::filesystem::copy_file(KESTRO_FIXTURES "/start-6-4-cube2-human.pos", file);
    wnd->RunCommand(ID_FILE_OPEN);
    Drain();
    ExpectCurrent("open");
}

// Off, the band under the board stays bare, also right after the option is
// switched off.
TEST_F(PipBandTest, OffTheBandIsBare) {
    DrawPipBand(wnd->Display());
    EXPECT_FALSE(Blank(Band()));
    game().options.showPips = 0;
    DrawPipBand(wnd->Display());
    EXPECT_TRUE(Blank(Band()));
    Start(SIDE_HUMAN, {{3, 1}});
    EXPECT_TRUE(Blank(Band()));
}
}  // namespace
