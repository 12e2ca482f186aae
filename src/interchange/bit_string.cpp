#include "interchange/bit_string.h"

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SextetOf(char c) {
    for (int i = 0; i < 64; ++i)
        if (kAlphabet[i] == c) return i;
    return -1;
}

int Base64Length(int bytes) { return (bytes * 8 + 5) / 6; }
}  // namespace

void BitWriter::Put(unsigned value, int width) {
    for (int i = 0; i < width; ++i, ++bit_)
        if (value >> i & 1u) bytes_[bit_ / 8] |= static_cast<uint8_t>(1u << (bit_ % 8));
}

unsigned BitReader::Get(int width) {
    unsigned value = 0;
    for (int i = 0; i < width; ++i, ++bit_)
        if (!AtEnd() && (bytes_[bit_ / 8] >> (bit_ % 8) & 1u)) value |= 1u << i;
    return value;
}

std::string ToBase64(const std::vector<uint8_t>& bytes) {
    std::string text;
    const int total = static_cast<int>(bytes.size()) * 8;
    // Base64 reads each byte from its highest bit down.
    for (int bit = 0; bit < total; bit += 6) {
        int sextet = 0;
        for (int k = 0; k < 6; ++k) {
            const int b = bit + k;
            const int v = b < total ? bytes[b / 8] >> (7 - b % 8) & 1 : 0;
            sextet = sextet << 1 | v;
        }
        text += kAlphabet[sextet];
    }
    return text;
}

std::optional<std::vector<uint8_t>> FromBase64(std::string_view text, int bytes) {
    if (static_cast<int>(text.size()) != Base64Length(bytes)) return std::nullopt;
    std::vector<uint8_t> out(bytes, 0);
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        const int sextet = SextetOf(text[i]);
        if (sextet < 0) return std::nullopt;
        for (int k = 0; k < 6; ++k) {
            const int b = i * 6 + k;
            if (b < bytes * 8 && (sextet >> (5 - k) & 1)) out[b / 8] |= static_cast<uint8_t>(0x80 >> (b % 8));
        }
    }
    return out;
}
