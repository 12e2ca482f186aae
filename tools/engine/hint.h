// The hint protocol: one position per input line, the computer's move for it
// per output line.
#pragma once

#include <iosfwd>

// Reads positions from `in` until its end and writes one move line each to
// `out`. Returns 0, or 2 after naming the offending line on `err`.
int RunHint(std::istream& in, std::ostream& out, std::ostream& err);
