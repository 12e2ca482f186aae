#include "game/cube_exchange.h"

void TakeCube(Game& game) {
    Position& p = game.position;
    p.cubeValue *= 2;
    p.cubeOwner = p.Opponent();
}

bool CubeBeforeRoll(const Game& game) { return IsMatch(game.position.match) || game.options.doubleBeforeRoll != 0; }

bool CubeOpenToHuman(const Game& game, bool useCube) {
    const Position& p = game.position;
    return useCube && ScoreAllowsDoubling(p.match) && p.cubeOwner != SIDE_COMPUTER && p.cubeValue < MAX_CUBE_VALUE;
}

bool HumanMayDouble(const Game& game, bool useCube) {
    const bool beforeDecision = CubeBeforeRoll(game) ? game.awaitingRoll : game.moveOrdinal == 1;
    return beforeDecision && CubeOpenToHuman(game, useCube);
}

bool ComputerMayDouble(const Game& game, bool useCube) {
    const Position& p = game.position;
    return useCube && game.computerMayDouble && !game.finishMode && ScoreAllowsDoubling(p.match) &&
           p.cubeOwner != SIDE_HUMAN && p.cubeValue < MAX_CUBE_VALUE;
}

bool ComputerMayResign(const Game& game) { return game.computerMayResign && !game.finishMode; }

bool HumanDoubles(Game& game, const ComputerPlayer& computer) {
    if (!computer.AcceptsDouble(game.position, game.race != 0)) return false;
    TakeCube(game);
    return true;
}

bool ComputerOffersDouble(const Game& game, const ComputerPlayer& computer, bool useCube) {
    return ComputerMayDouble(game, useCube) && computer.WantsToDouble(game.position, game.race != 0);
}

CubeOffer ComputerCubeOffer(const Game& game, const ComputerPlayer& computer, bool useCube) {
    const bool race = game.race != 0;
    if (!CubeBeforeRoll(game) && ComputerOffersDouble(game, computer, useCube)) return CubeOffer::Double;
    if (ComputerMayResign(game) && computer.WantsToResign(game.position, race)) return CubeOffer::Resign;
    return CubeOffer::None;
}

void AnswerComputerDouble(Game& game, DoubleAnswer answer) {
    switch (answer) {
        case DoubleAnswer::Take:
            TakeCube(game);
            break;
        case DoubleAnswer::Decline:
            game.winner = SIDE_COMPUTER;
            break;
        case DoubleAnswer::Cancel:
            game.computerMayDouble = 0;
            break;
    }
}

void AnswerComputerResign(Game& game, bool accept) {
    if (accept)
        game.winner = SIDE_HUMAN;
    else
        game.computerMayResign = 0;
}

bool HumanResigns(Game& game, const ComputerPlayer& computer, WinKind kind) {
    if (!computer.AcceptsResign(game.position, game.race != 0, kind)) return false;
    game.winner = SIDE_COMPUTER;
    game.position.cubeValue *= static_cast<int>(kind);
    return true;
}
