// What the Settings sheet shows on its two pages and what the player chose
// there, as plain values: the sheet neither reads nor changes the options.
#pragma once

#include <cstdint>
#include <optional>

// The Game page: the skill level, the rules of play and who starts the first game.
struct GameSettings {
    int32_t firstMove = 0;
    int32_t useCube = 0;
    int32_t autoChangeTurn = 0;
    int32_t autoForced = 0;
    int32_t intelMoves = 0;
    int32_t manualDice = 0;
    int32_t level = 0;
};

// The Visual page: the speed of the pieces, the looks and the orientation of the board.
struct VisualSettings {
    int32_t speed = 0;
    int32_t showProgress = 0;
    int32_t pictureDice = 0;
    int32_t shake = 0;
    int32_t clockwise = 0;
    int32_t showPips = 0;
    int32_t autoFinish = 0;
    int32_t highlight = 0;
};

// What the sheet opens with: the options in force, and the all-time score,
// which the Game page only shows.
struct SettingsShown {
    GameSettings game;
    VisualSettings visual;
    int32_t humanScore = 0;
    int32_t computerScore = 0;
};

// What OK brings back: the values of each page that was shown. A page never
// shown was never checked, and changes nothing.
struct SettingsChosen {
    std::optional<GameSettings> game;
    std::optional<VisualSettings> visual;
};
