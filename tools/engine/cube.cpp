#include <cstdio>
#include <iostream>
#include <string>

#include "commands.h"
#include "computer/computer_player.h"
#include "computer/expert_player.h"
#include "interchange/position_text.h"
#include "position_line.h"
#include "resources/strings.h"

namespace {

// The position with `side` seated as the computer, as the computer player is asked.
Position SeatedAsComputer(const TextPosition& t, int side) {
    Position p;
    p.board = side == SIDE_COMPUTER ? t.table : Mirrored(t.table);
    p.match = side == SIDE_COMPUTER ? t.match : SidesSwapped(t.match);
    p.cubeValue = t.cubeValue;
    p.cubeOwner = side == SIDE_COMPUTER ? t.cubeOwner : MirrorSide(t.cubeOwner);
    p.sideToMove = side == t.side ? SIDE_COMPUTER : SIDE_HUMAN;
    return p;
}

std::string Judge(const std::string& line, int level, std::ostream& out) {
    const TextRead read = ReadPositionText(line, Matches::Accepted);
    if (const TextError* error = std::get_if<TextError>(&read)) {
        if (*error == TextError::NotFound) return "expected an XGID or POSITIONID:MATCHID";
        return ResString(TextErrorString(*error));
    }
    const TextPosition& t = std::get<TextPosition>(read);
    if (t.DiceThrown()) return "the dice are thrown: the cube is decided before the throw (dice 00)";
    if (!ScoreAllowsDoubling(t.match)) return "nobody may double in this game";
    if (t.cubeOwner == MirrorSide(t.side)) return "the side on roll does not hold the cube";
    if (t.cubeValue >= MAX_CUBE_VALUE) return "the cube is at its top value";

    const Position doubler = SeatedAsComputer(t, t.side), taker = SeatedAsComputer(t, MirrorSide(t.side));
    const bool race = NoContact(doubler.board);
    const ComputerPlayer& player = ComputerPlayerFor(level);
    const expert::DoubleValues v = ExpertDoubleValues(doubler);
    const bool passes = !player.AcceptsDouble(taker, race);
    const char* action = player.WantsToDouble(doubler, race)                            ? "double"
                         : level == EXPERT_LEVEL && passes && v.noDouble > v.doublePass ? "too-good"
                                                                                        : "no-double";
    char values[96];
    std::snprintf(values, sizeof values, " %.4f %.4f %.4f", v.noDouble, v.doubleTake, v.doublePass);
    out << action << " " << (passes ? "pass" : "take") << values << "\n";
    return {};
}

}  // namespace

int RunCube(const Arguments& args) {
    long long level = EXPERT_LEVEL;
    std::vector<IntOption> options = {{"--level", 0, EXPERT_LEVEL, &level}};
    if (!ParseOptions("cube", args, options)) return kUsageError;
    std::string line;
    int status = 0;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (IsBlankOrComment(line)) continue;
        const std::string problem = Judge(line, static_cast<int>(level), std::cout);
        if (problem.empty()) continue;
        std::cout << "error: line " << number << ": " << problem << "\n";
        status = kUsageError;
    }
    return status;
}
