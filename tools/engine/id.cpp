#include "id.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "interchange/position_text.h"
#include "position_line.h"
#include "resources/strings.h"

namespace {
// p0 … p27 and the two dice, the computer on roll.
constexpr int kFields = NUM_LOCATIONS + 2;

// The board of a hint line with its dice, or what is wrong with it.
std::string Convert(const std::array<int, kFields>& f, std::ostream& out) {
    if (std::string problem = CheckBarsAndTrays(f); !problem.empty()) return problem;
    if (std::string problem = CheckCheckerTotals(f); !problem.empty()) return problem;
    TextPosition p;
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc)
        PlaceCheckers(p, loc, f[loc] < 0 ? SIDE_COMPUTER : SIDE_HUMAN, f[loc] < 0 ? -f[loc] : f[loc]);
    p.side = SIDE_COMPUTER;
    p.dice[0] = f[NUM_LOCATIONS];
    p.dice[1] = f[NUM_LOCATIONS + 1];
    const TextRead read = Completed(p);
    if (const TextError* error = std::get_if<TextError>(&read)) return ResString(TextErrorString(*error));
    const TextPosition& done = std::get<TextPosition>(read);
    out << EncodeXgid(done) << "\n" << EncodeGnuIds(done) << "\n";
    return {};
}

void WriteBoard(const TextPosition& p, std::ostream& out) {
    for (const Checkers& e : p.table) out << (e.owner == SIDE_COMPUTER ? -e.count : e.count) << " ";
    out << p.dice[0] << " " << p.dice[1] << " " << p.side << "\n";
}

std::string ConvertLine(const std::string& line, std::ostream& out) {
    const TextRead read = ReadPositionText(line);
    if (const TextPosition* p = std::get_if<TextPosition>(&read)) {
        WriteBoard(*p, out);
        return {};
    }
    if (std::get<TextError>(read) != TextError::NotFound) return ResString(TextErrorString(std::get<TextError>(read)));
    std::array<int, kFields> fields;
    if (!ParseIntegers(line, fields))
        return "expected 30 integers separated by single blanks (p0 ... p27 d1 d2), an XGID or POSITIONID:MATCHID";
    return Convert(fields, out);
}
}  // namespace

int RunId(std::istream& in, std::ostream& out) {
    std::string line;
    int status = 0;
    for (int number = 1; std::getline(in, line); ++number) {
        if (IsBlankOrComment(line)) continue;
        const std::string problem = ConvertLine(line, out);
        if (problem.empty()) continue;
        out << "error: line " << number << ": " << problem << "\n";
        status = 2;
    }
    return status;
}
