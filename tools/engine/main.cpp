// kestro-engine: the computer player without a window, for hints from
// scripts, long self-play runs and timing the search.
#include <algorithm>
#include <cstring>
#include <iostream>

#include "commands.h"
#include "hint.h"
#include "id.h"

namespace {
const char kUsage[] =
    "usage: kestro-engine COMMAND [OPTIONS]\n"
    "\n"
    "  hint                   read positions from standard input, one per line:\n"
    "                         p0 ... p27 d1 d2 level (31 integers, single blanks;\n"
    "                         negative counts are the computer's, level 0..3);\n"
    "                         print the computer's move per line as from/die in\n"
    "                         play order, or - when no die can be played\n"
    "  id                     read lines from standard input and convert each:\n"
    "                         p0 ... p27 d1 d2 (30 integers, the computer on roll,\n"
    "                         dice 0 0 when not thrown) gives two lines, the XGID\n"
    "                         and POSITIONID:MATCHID; either of those gives\n"
    "                         p0 ... p27 d1 d2 side (1 computer, 2 human on roll);\n"
    "                         a bad line gives \"error: line N: ...\" and the\n"
    "                         next line is read\n"
    "  selfplay --games N [--seed S] [--level L] [--export FILE.mat]\n"
    "                         play N games, the computer at level L (default 2)\n"
    "                         against the move suggestion, and print a summary;\n"
    "                         --export also writes the games as a match text\n"
    "  selfplay --match M [--games N] [--seed S] [--level L] [--export FILE.mat]\n"
    "                         play N matches (default 1) to M points with the cube\n"
    "                         before each throw; --export writes each match as a\n"
    "                         match text, the second and later to FILE-2.mat ...\n"
    "  bench [--positions N] [--level L]\n"
    "                         time the search over N positions from seeded\n"
    "                         self-play (default 20000), each at level L (default\n"
    "                         the level of the game it came from), then self-play games\n"
    "  duel --a L --b L --games N [--seed S] [--match M]\n"
    "                         play N cubeless games of level A against level B in\n"
    "                         pairs on the same dice with the seats swapped, and print\n"
    "                         A's points per game with its 95% interval; with\n"
    "                         --match, N matches to M points with the cube, and\n"
    "                         A's share of the matches won\n"
    "  cube [--level L]       read one XGID (or POSITIONID:MATCHID) per line from\n"
    "                         standard input, the side on roll about to decide on\n"
    "                         doubling before its throw (dice 00), and print the\n"
    "                         action of level L (default 3) for it (double,\n"
    "                         no-double or too-good), the answer of level L for\n"
    "                         the other side (take or pass), and the Expert's\n"
    "                         equities for the side on roll: no double,\n"
    "                         double/take, double/pass (points per unit cube for\n"
    "                         money, match-winning chances in a match); a bad line\n"
    "                         gives \"error: line N: ...\"\n"
    "  review --games N [--seed S] [--level L] [--human H] [--match M | --export FILE.mat]\n"
    "                         play N cubeless games, the computer at level L (default\n"
    "                         2) against the move suggestion at level H (default 3)\n"
    "                         for the human, review the human's decisions of each and\n"
    "                         print a line per game (decisions, errors, error rate,\n"
    "                         each side's luck, milliseconds) and the times;\n"
    "                         --export also writes the games as a match text; with\n"
    "                         --match, N matches to M points with the cube\n"
    "  review --kept FILE     the same for the games of a kept-games file (kestro32.gms)\n"
    "                         either with --keep FOLDER also keeps the games and their\n"
    "                         reviews there, in kestro32.gms and kestro32.rvw\n"
    "  --help                 show this text\n"
    "\n"
    "Exit status: 0 done, 1 an invariant of the game broke, 2 bad arguments or input.\n";
}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kUsage;
        return 0;
    }
    const Arguments rest(argv + std::min(argc, 2), argv + argc);
    const std::string command = argc >= 2 ? argv[1] : "";
    if (command == "hint" && rest.empty()) return RunHint(std::cin, std::cout, std::cerr);
    if (command == "id" && rest.empty()) return RunId(std::cin, std::cout);
    if (command == "selfplay") return RunSelfplay(rest);
    if (command == "bench") return RunBench(rest);
    if (command == "duel") return RunDuel(rest);
    if (command == "cube") return RunCube(rest);
    if (command == "review") return RunReview(rest);
    std::cerr << kUsage;
    return kUsageError;
}
