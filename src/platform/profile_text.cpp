#include "profile_text.h"

#include <limits>
#include <optional>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// One line of the text: its content without the line break, and where the
// next line starts.
struct Line {
    std::size_t begin, end, next;
};

Line LineAt(std::string_view text, std::size_t begin) {
    const std::size_t nl = text.find('\n', begin);
    const std::size_t next = nl == std::string_view::npos ? text.size() : nl + 1;
    std::size_t end = nl == std::string_view::npos ? text.size() : nl;
    if (end > begin && text[end - 1] == '\r') --end;
    return {begin, end, next};
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view content) {
    const std::string_view s = Trim(content);
    if (s.empty() || s.front() != '[') return std::nullopt;
    const std::size_t close = s.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(s.substr(1, close - 1));
}

// Where the section's last key line ends (new keys go there, so that blank
// lines and comments before the next section stay with it), and where the key's value
// stands (an empty span right after '=' when the value is empty).
struct KeyPlace {
    bool sectionFound = false;
    std::size_t sectionEnd = 0;
    bool keyFound = false;
    std::size_t valueBegin = 0, valueEnd = 0;
};

// Only the first section of a name counts, and in it the first line of a key.
KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    // Editors may put the UTF-8 byte order mark before the first section.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    for (std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0; pos < text.size();) {
        const Line line = LineAt(text, pos);
        pos = line.next;
        const std::string_view content = text.substr(line.begin, line.end - line.begin);
        if (const auto name = SectionName(content)) {
            if (place.sectionFound) break;
            place.sectionFound = SameName(*name, section);
            place.sectionEnd = line.next;
            continue;
        }
        if (!place.sectionFound) continue;
        const std::size_t eq = content.find('=');
        if (eq == std::string_view::npos) continue;
        place.sectionEnd = line.next;
        if (!SameName(Trim(content.substr(0, eq)), key)) continue;
        const std::string_view rest = content.substr(eq + 1);
        const std::string_view value = Trim(rest);
        place.keyFound = true;
        place.valueBegin = line.begin + eq + 1 + (value.empty() ? 0 : value.data() - rest.data());
        place.valueEnd = place.valueBegin + value.size();
        return place;
    }
    return place;
}

std::optional<int32_t> LeadingInt(std::string_view s) {
    std::size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) ++i;
    if (i == s.size() || s[i] < '0' || s[i] > '9') return std::nullopt;
    // The magnitude may exceed the largest int by one: the most negative int.
    int64_t magnitude = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > kLimit) return std::nullopt;
    }
    const int64_t v = negative ? -magnitude : magnitude;
    if (v > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(v);
}

std::string_view LineBreakOf(std::string_view text) {
    const std::size_t nl = text.find('\n');
    return nl != std::string_view::npos && nl > 0 && text[nl - 1] == '\r' ? "\r\n" : "\n";
}
}  // namespace

int32_t ReadProfileInt(std::string_view text, std::string_view section, std::string_view key, int32_t def) {
    const KeyPlace place = FindKey(text, section, key);
    if (!place.keyFound) return def;
    return LeadingInt(text.substr(place.valueBegin, place.valueEnd - place.valueBegin)).value_or(def);
}

std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value) {
    const KeyPlace place = FindKey(text, section, key);
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (place.keyFound) {
        out.append(text.substr(0, place.valueBegin)).append(value).append(text.substr(place.valueEnd));
        return out;
    }
    const std::string_view eol = LineBreakOf(text);
    const std::size_t at = place.sectionFound ? place.sectionEnd : text.size();
    out.append(text.substr(0, at));
    // A last line without its line break gets one before anything follows it.
    if (!out.empty() && out.back() != '\n') out.append(eol);
    if (!place.sectionFound) out.append("[").append(section).append("]").append(eol);
    out.append(key).append("=").append(value).append(eol);
    out.append(text.substr(at));
    return out;
}
