// The id protocol: boards as the hint lines give them turned into the
// position texts of analysis programs, and those texts back into boards.
#pragma once

#include <iosfwd>

// Converts each line of `in`, answering on `out`: an error line names a bad
// line, and the next one is read. Returns 0, or 2 when some line was bad.
int RunId(std::istream& in, std::ostream& out);
