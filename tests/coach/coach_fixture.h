// Positions and plays for the coach's tests, written as the board shows them.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "coach/human_play.h"
#include "interchange/game_record.h"
#include "rules/dice_throw.h"
#include "rules/position.h"

// Checkers by location, negative for the computer's; the rest of each
// side's fifteen are borne off.
using Placing = std::initializer_list<std::pair<int, int>>;

inline Position HumanOnRoll(Placing placing, int die1, int die2) {
    Position p;
    p.board = WithFixedOwners({});
    int onBoard[3] = {0, 0, 0};
    for (auto [loc, n] : placing) {
        const int side = n < 0 ? SIDE_COMPUTER : SIDE_HUMAN;
        p[loc] = {static_cast<int8_t>(n < 0 ? -n : n), side};
        onBoard[side] += n < 0 ? -n : n;
    }
    p[LOC_COMPUTER_OFF].count = static_cast<int8_t>(CHECKERS_PER_SIDE - onBoard[SIDE_COMPUTER]);
    p[LOC_HUMAN_OFF].count = static_cast<int8_t>(CHECKERS_PER_SIDE - onBoard[SIDE_HUMAN]);
    p.sideToMove = SIDE_HUMAN;
    if (die1 > 0) SetThrownDice(p, die1, die2);
    return p;
}

inline Position StartWith(int die1, int die2) {
    return HumanOnRoll({{1, 2}, {6, -5}, {8, -3}, {12, 5}, {13, -5}, {17, 3}, {19, 5}, {24, -2}}, die1, die2);
}

// "T-0 V-0" as steps: letters A..X for the points, 0 for the bar or the tray.
inline HumanPlay PlayOf(const std::string& text) {
    HumanPlay play;
    for (size_t i = 0; i + 2 < text.size() && play.count < MAX_DICE; i += 4) {
        const auto loc = [](char c) { return c == '0' ? -1 : c - 'A' + 1; };
        const int from = loc(text[i]), to = loc(text[i + 2]);
        play.steps[play.count++] = {from < 0 ? LOC_HUMAN_BAR : from, to < 0 ? LOC_HUMAN_OFF : to, false};
    }
    return play;
}

// Three throws from the start, then the computer doubles with a checker on
// the bar and the human passes: two plays and a pass to judge.
inline RecordedGame ShortGame() {
    RunRecord record;
    record.NewGame(true);
    record.Throw(SIDE_HUMAN, 3, 1);
    record.Step(SIDE_HUMAN, 17, 20, false);
    record.Step(SIDE_HUMAN, 19, 20, false);
    record.Throw(SIDE_COMPUTER, 6, 4);
    record.Step(SIDE_COMPUTER, 24, 18, false);
    record.Step(SIDE_COMPUTER, 13, 9, false);
    record.Throw(SIDE_HUMAN, 6, 6);
    for (auto [from, to] : {std::pair{1, 7}, {1, 7}, {12, 18}, {12, 18}})
        record.Step(SIDE_HUMAN, from, to, to == 18 && from == 12);
    // The human's answer that stops the computer's doubles is no decision.
    record.DoublePlayedOn(SIDE_COMPUTER);
    record.Double(SIDE_COMPUTER, 2, false);
    record.Win(SIDE_COMPUTER, 1);
    return record.Games().back();
}
