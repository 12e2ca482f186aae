// What the Settings sheet shows on its pages and what the player chose
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

// The Match page: the length of the next match (0: money play) and whether a
// money game's doubles come before the throw.
struct MatchSettings {
    int32_t length = 0;
    int32_t doubleBeforeRoll = 0;
    int32_t tutor = 0;
};

// What the sheet opens with: the options in force, and what the pages only
// show: the all-time score on the Game page, the length of the match being
// played (0: none) on the Match page.
struct SettingsShown {
    GameSettings game;
    VisualSettings visual;
    MatchSettings match;
    int32_t humanScore = 0;
    int32_t computerScore = 0;
    int32_t matchInPlay = 0;
};

// What OK brings back: the values of each page that was shown. A page never
// shown was never checked, and changes nothing.
struct SettingsChosen {
    std::optional<GameSettings> game;
    std::optional<VisualSettings> visual;
    std::optional<MatchSettings> match;
};
