// Points the application's profile and the scheme file at a folder of the
// test's own, and puts back every setting the test changes.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/game.h"
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
    }
    void TearDown() override {
        RestoreSettings();
        g_profile = savedProfile_;
    }
    // Every setting as a fresh game has it, and no INI file.
    void RestoreSettings() {
        game = Game();
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
    // The game the settings are loaded into.
    Game game;

private:
    Profile savedProfile_{""};
};
