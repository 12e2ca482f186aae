#include "position_line.h"

#include "rules/location.h"

bool IsBlankOrComment(const std::string& line) {
    return line.find_first_not_of(" \t\r") == std::string::npos || line[0] == '#';
}

bool ParseIntegers(const std::string& line, std::span<int> fields) {
    size_t pos = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0 && (pos >= line.size() || line[pos++] != ' ')) return false;
        const bool negative = pos < line.size() && line[pos] == '-';
        if (negative) ++pos;
        int value = 0, digits = 0;
        for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos, ++digits)
            value = value * 10 + (line[pos] - '0');
        if (digits == 0 || digits > 3) return false;
        fields[i] = negative ? -value : value;
    }
    return pos == line.size();
}

std::string CheckBarsAndTrays(std::span<const int> f) {
    if (f[LOC_HUMAN_BAR] < 0 || f[LOC_HUMAN_OFF] < 0) return "locations 0 and 27 hold only the human's checkers";
    if (f[LOC_COMPUTER_BAR] > 0 || f[LOC_COMPUTER_OFF] > 0)
        return "locations 25 and 26 hold only the computer's checkers";
    return {};
}

std::string CheckCheckerTotals(std::span<const int> f) {
    int computer = 0, human = 0;
    for (int i = 0; i < NUM_LOCATIONS; ++i) (f[i] < 0 ? computer : human) += f[i] < 0 ? -f[i] : f[i];
    if (computer != CHECKERS_PER_SIDE) return "the computer has " + std::to_string(computer) + " checkers, not 15";
    if (human != CHECKERS_PER_SIDE) return "the human has " + std::to_string(human) + " checkers, not 15";
    return {};
}
