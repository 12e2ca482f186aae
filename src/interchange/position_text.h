// Positions as the analysis programs write them in one line: an XGID, or a
// position ID with its match ID. Both directions, without any window: the
// text is hostile input, checked whole before anything may use it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "rules/position.h"

// A position as the texts carry it, in the program's own numbering.
struct TextPosition {
    // Counts and owners of the 28 locations; bars and trays keep their fixed owners.
    Board table{};
    int side = SIDE_HUMAN;  // on roll
    int dice[2] = {0, 0};   // 0 0 while not thrown
    int cubeValue = 1;
    int cubeOwner = SIDE_NONE;
    // Money play unless the text names a match.
    MatchScore match;

    bool DiceThrown() const { return dice[0] != 0; }
    bool operator==(const TextPosition& other) const;
};

// Why a text was refused.
enum class TextError {
    NotFound,      // no line of the text is a position text
    Unreadable,    // a line looks like one but does not read as one
    CheckerCount,  // a side with more than 15 checkers
    SharedPoint,   // both sides on one point
    GameOver,      // a side has borne off all its checkers
    CubeTooHigh,
    CubeHolder,  // a cube at 1 with a holder, or a doubled one without
    Dice,
    MatchPlay,  // a match, where only money play is accepted
    // A double offered and not yet answered: the game has no place to stand
    // between the offer and the answer.
    DoubleOffered,
    // A match length the game does not offer, a score past it, or a
    // Crawford flag the score rules out.
    MatchScore,
};
// The string-table id of the reason, to be shown in a sentence.
int TextErrorString(TextError error);

using TextRead = std::variant<TextPosition, TextError>;

// A position's checkers, side on roll, cube and match score, without dice.
TextPosition TextPositionOf(const Position& p);

std::string EncodeXgid(const TextPosition& position);
// "POSITIONID:MATCHID"; money play without the Jacoby rule.
std::string EncodeGnuIds(const TextPosition& position);

// Whether a text naming a match is read, or refused with MatchPlay.
enum class Matches { Refused, Accepted };

TextRead DecodeXgid(std::string_view line, Matches matches = Matches::Refused);
// "POSITIONID:MATCHID", or a bare position ID: then the human is on roll
// with no dice thrown and the cube in the middle.
TextRead DecodeGnuIds(std::string_view line, Matches matches = Matches::Refused);

// The first line of `text` that is an XGID or a position ID, read.
TextRead ReadPositionText(std::string_view text, Matches matches = Matches::Refused);

// --- Shared by the two codecs ---
// Puts `count` checkers of `side` on `loc`; false when the other side is there.
bool PlaceCheckers(TextPosition& position, int loc, int side, int count);
// Fills the trays and checks what both codecs must refuse.
TextRead Completed(TextPosition position);
// The match both texts describe by its length, the two scores and whether
// this is the Crawford game; an error when it cannot be played, or when it
// is a match and matches are refused. Money play (length 0) ignores the rest.
std::optional<TextError> SetMatch(TextPosition& position, Matches matches, int length, int humanScore,
                                  int computerScore, bool crawfordGame);
