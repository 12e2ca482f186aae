// Points the application's profile and the scheme file at a folder of the
// test's own, and puts back every setting the test changes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/profile.h"
#include "rules/position.h"
#include "settings/color_scheme.h"
#include "settings/options.h"
#include "temp_dir.h"

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedProfile_ = g_profile;
        g_profile = Profile(dir.File(INI_FILE_NAME));
        for (int32_t* v : Settings()) saved_.push_back(*v);
        savedColors_ = g_colors;
    }
    void TearDown() override {
        RestoreSettings();
        g_profile = savedProfile_;
    }
    // Every setting as it was before the test, and no INI file.
    void RestoreSettings() {
        for (std::size_t i = 0; i < saved_.size(); ++i) *Settings()[i] = saved_[i];
        g_colors = savedColors_;
        std::filesystem::remove(g_profile.Path());
    }

    void WriteIni(const std::string& text) {
        ASSERT_TRUE(WriteFileAtomically(g_profile.Path(), text.data(), text.size()));
    }
    std::string IniText() const {
        const auto bytes = ReadFileBytes(g_profile.Path(), MAX_PROFILE_BYTES);
        return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
    }
    std::string SchemePath() const { return dir.File(SCHEME_FILE_NAME); }

    TempDir dir{"settings"};

private:
    static std::vector<int32_t*> Settings() {
        return {&UseCube,
                &AutoFinish,
                &DiceAsIcons,
                &g_moveDelay,
                &AutoChangeTurn,
                &LevelOfPlay,
                &FirstMoveBy,
                &ShowProgress,
                &AutoForcedMoves,
                &HitShake,
                &HighLight,
                &IntelMoves,
                &ManualDice,
                &ClockWise,
                &CurScheme,
                &ShowPips,
                &Zoom,
                &g_totalScore[SIDE_HUMAN],
                &g_totalScore[SIDE_COMPUTER],
                &g_firstStarterFixed,
                &g_sideToMove};
    }
    Profile savedProfile_{""};
    std::vector<int32_t> saved_;
    ColorScheme savedColors_{};
};
