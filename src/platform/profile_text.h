// The text of a private-profile INI file, and the two things the program asks
// of it: an integer by section and key, and one key's value replaced. Names
// match without regard to case and blanks around names and values do not
// count, as the classic profile calls behave.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The key's value read as its leading decimal integer (a sign, then digits).
// `def` when the section or key is absent or the value does not start with a
// number that fits in 32 bits.
int32_t ReadProfileInt(std::string_view text, std::string_view section, std::string_view key, int32_t def);

// The text with the key's value replaced in place, the key added at the end of
// its section, or the section added at the end of the text. Every other byte
// stays as it was.
std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value);
