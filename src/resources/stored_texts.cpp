#include "resources/stored_texts.h"

#include <cstddef>

namespace {

constexpr unsigned kScrambleOffset = 100;

// Scrambles a literal at compile time, so only the scrambled form is stored.
template <std::size_t N>
struct Scrambled {
    char bytes[N]{};
    consteval Scrambled(const char (&plain)[N]) {
        for (std::size_t i = 0; i + 1 < N; ++i)
            bytes[i] = static_cast<char>((static_cast<unsigned char>(plain[i]) + kScrambleOffset) & 0xFF);
    }
};

constexpr char kTitlePlain[] = "Kestro: Backgammon";
static_assert(sizeof kTitlePlain - 1 == 18, "the stored title has 18 characters");

constexpr Scrambled kTitle(kTitlePlain);
constexpr Scrambled kAbout1("Version 1.0");
constexpr Scrambled kAbout2("Free software");
constexpr Scrambled kAbout3("You against the computer");
constexpr Scrambled kBanner1("Version 1.0");
constexpr Scrambled kBanner2("Dice by ");
constexpr Scrambled kBanner2Tail("mevra32");
constexpr Scrambled kBanner3("Good luck!");

}  // namespace

const char* ScrambledText(StoredText which) {
    switch (which) {
        case StoredText::Title:
            return kTitle.bytes;
        case StoredText::AboutLine1:
            return kAbout1.bytes;
        case StoredText::AboutLine2:
            return kAbout2.bytes;
        case StoredText::AboutLine3:
            return kAbout3.bytes;
        case StoredText::Banner1:
            return kBanner1.bytes;
        case StoredText::Banner2:
            return kBanner2.bytes;
        case StoredText::Banner2Tail:
            return kBanner2Tail.bytes;
        case StoredText::Banner3:
            return kBanner3.bytes;
    }
    return "";
}

std::string Unscramble(const char* scrambled) {
    // The stored texts are short; a longer one is cut where the old fixed buffer cut it.
    constexpr std::size_t kMostCharacters = 127;
    std::string plain;
    for (std::size_t n = 0; n < kMostCharacters && scrambled[n] != '\0'; ++n)
        plain += static_cast<char>((static_cast<unsigned char>(scrambled[n]) - kScrambleOffset) & 0xFF);
    return plain;
}

const std::string& ProgramTitle() {
    static const std::string title = Unscramble(ScrambledText(StoredText::Title));
    return title;
}
