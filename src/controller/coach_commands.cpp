#include "controller/coach_commands.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "coach/coach_text.h"
#include "coach/ranked_plays.h"
#include "controller/game_view.h"
#include "controller/play_commands.h"
#include "controller/session.h"
#include "controller/undo.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "interchange/turn_start.h"
#include "platform/message_box_kinds.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "rules/dice_throw.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
bool HumanHasDice(const Session& s) {
    const Game& g = s.game;
    return g.position.sideToMove == SIDE_HUMAN && g.position.diceLeft > 0 && g.awaitingConfirm == 0 &&
           g.finishMode == 0 && g.winner == SIDE_NONE;
}

// The die a step uses: its distance; for a checker borne off, the exact die
// or else the smallest larger one left, as the rules let a bear-off use it.
int DieOf(const Position& p, const PlayStep& step) {
    if (step.to != LOC_HUMAN_OFF) return step.to - step.from;
    const int exact = 25 - step.from;
    int die = 0;
    for (int i = 0; i < p.diceLeft; ++i)
        if (p.dice[i] >= exact && (die == 0 || p.dice[i] < die)) die = p.dice[i];
    return die;
}

// The three equities of the decision from the human's side, and the right action.
void ShowCubeHint(Session& s, CubeQuestion question) {
    const CubeHint hint = HumanCubeHint(s.game.position, question);
    s.input.hintPlays.clear();
    s.view.ShowHint({{ResString(IDS_HINT_ACTION), ResString(IDS_HINT_EQUITY), ""},
                     {{ResString(IDS_HINT_NO_DOUBLE), EquityText(hint.noDouble), ""},
                      {ResString(IDS_HINT_DOUBLE_TAKE), EquityText(hint.doubleTake), ""},
                      {ResString(IDS_HINT_DOUBLE_PASS), EquityText(hint.doublePass), ""}},
                     std::string(ResString(IDS_HINT_RIGHT_ACTION)) + CubeAdviceText(hint.advice),
                     false});
}

// The position at the start of the human's turn with its throw, and the
// steps played since.
Position TurnStart(const Session& s, HumanPlay& made) {
    std::vector<GameEvent> steps;
    s.game.record.LastThrow(&steps);
    made = {};
    for (const GameEvent& e : steps)
        if (made.count < MAX_DICE) made.steps[made.count++] = {e.a, e.b, e.hit};
    const TextPosition start = TurnStartPosition(s.game.position, s.game.record);
    Position p = s.game.position;
    p.board = start.table;
    p.sideToMove = SIDE_HUMAN;
    SetThrownDice(p, start.dice[0], start.dice[1]);
    return p;
}

bool Warned(Session& s, const std::string& text) {
    return s.view.Ask(text, MB_PLAYORTAKEBACK, MB_ICONEXCLAMATION, HELP_PLAYING) == IDNO;
}

float Threshold(const Session& s) { return static_cast<float>(s.game.options.tutorThreshold) / 1000.0f; }
}  // namespace

bool CanHint(Session& s) { return HumanHasDice(s) || (s.game.awaitingRoll && s.game.finishMode == 0); }

void OnHint(Session& s) {
    if (!CanHint(s)) return;
    if (s.game.awaitingRoll) return ShowCubeHint(s, CubeQuestion::Double);
    const PlayRanking ranking = RankHumanPlays(s.game.position);
    std::vector<std::array<std::string, 3>> lines;
    s.input.hintPlays.clear();
    for (const RankedHumanPlay& play : HintSelection(ranking)) {
        lines.push_back({play.text, EquityText(play.equity), LossText(play.loss)});
        s.input.hintPlays.push_back(play.play);
    }
    s.input.hintBoard = s.game.position.board;
    s.input.hintDiceLeft = s.game.position.diceLeft;
    s.view.ShowHint(
        {{ResString(IDS_HINT_PLAY), ResString(IDS_HINT_EQUITY), ResString(IDS_HINT_GIVES_UP)}, lines, "", true});
}

void OnHintChosen(Session& s, int index) {
    if (!HumanHasDice(s) || index < 0 || index >= static_cast<int>(s.input.hintPlays.size())) return;
    if (s.game.position.board != s.input.hintBoard || s.game.position.diceLeft != s.input.hintDiceLeft) return;
    const HumanPlay play = s.input.hintPlays[static_cast<std::size_t>(index)];
    s.input.hintPlays.clear();
    for (int i = 0; i < play.count; ++i) {
        const PlayStep& step = play.steps[static_cast<std::size_t>(i)];
        if (PlayForHuman(s, step.from, step.from + DieOf(s.game.position, step)) == 0) return;
    }
}

void HintComputerDouble(Session& s) {
    if (s.view.HintOpen()) ShowCubeHint(s, CubeQuestion::Answer);
}

bool TutorTakesPlayBack(Session& s) {
    if (s.game.options.tutor == 0 || s.game.finishMode != 0) return false;
    HumanPlay made;
    const Position start = TurnStart(s, made);
    const PlayRanking ranking = RankHumanPlays(start, &made);
    if (ranking.Forced() || ranking.made < 0) return false;
    const RankedHumanPlay& yours = ranking.plays[static_cast<std::size_t>(ranking.made)];
    if (yours.loss < Threshold(s)) return false;
    char text[512];
    std::snprintf(text, sizeof text, ResString(IDS_TUTOR_PLAY), static_cast<double>(yours.loss), yours.text.c_str(),
                  ranking.plays[0].text.c_str());
    if (!Warned(s, text)) return false;
    TakeBackTurn(s);
    return true;
}

bool TutorTakesCubeBack(Session& s, CubeQuestion question, CubeChoice made) {
    if (s.game.options.tutor == 0 || s.game.finishMode != 0) return false;
    const CubeHint hint = HumanCubeHint(s.game.position, question);
    const float loss = CubeLoss(hint, made);
    if (loss < Threshold(s)) return false;
    char text[512];
    std::snprintf(text, sizeof text, ResString(IDS_TUTOR_CUBE), CubeChoiceText(made), static_cast<double>(loss),
                  CubeAdviceText(hint.advice));
    return Warned(s, text);
}
