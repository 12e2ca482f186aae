// The board as the tool's input lines give it: the checkers of locations
// 0..27, negative for the computer's, among integers separated by single blanks.
#pragma once

#include <span>
#include <string>

// Lines the tools skip: blank ones and comments starting with '#'.
bool IsBlankOrComment(const std::string& line);

// Exactly fields.size() integers, each an optional minus and one to three
// digits, separated by single blanks.
bool ParseIntegers(const std::string& line, std::span<int> fields);

// Empty when the human's bar and tray hold none of the computer's checkers
// and the computer's none of the human's; otherwise what is wrong.
std::string CheckBarsAndTrays(std::span<const int> locations);
// Empty when each side has 15 checkers; otherwise what is wrong.
std::string CheckCheckerTotals(std::span<const int> locations);
