// The game being played and the window it is shown in, as every command and
// input handler of the controller shares them. The window owns one for the
// run; a test owns one over a recording view.
#pragma once

#include <string>
#include <vector>

#include "coach/human_play.h"
#include "coach/review_keeper.h"
#include "controller/game_view.h"
#include "game/game.h"

struct Session;

// What the controller remembers of the human's input between events.
struct InputState {
    // The location whose targets are highlighted.
    int hoverLoc = 0;
    // 1 when the next blink draws the input mark, 0 when it takes it away.
    int markDue = 1;
    // Whether pane 2 shows why a move was refused.
    bool ruleNoteShown = false;
    // A command put off in the end-of-turn wait; it outlives the input
    // flushed after it.
    int putOff = 0;
    // The note that results are not kept is shown once a run.
    bool resultsNotKeptShown = false;
    // The plays the Hint window lists, and the checkers and dice they are for.
    std::vector<HumanPlay> hintPlays;
    Board hintBoard{};
    int hintDiceLeft = 0;
};

struct Session {
    explicit Session(GameView& shownIn) : view(shownIn) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Game game;
    GameView& view;
    InputState input;
    // Lines said under the next game's banner (a kept match that goes on, or
    // could not be read).
    std::vector<std::string> bannerNotes;
    // The reviews of the kept games.
    ReviewKeeper reviews;
};
