// The bit strings of the position and match IDs: fields packed lowest bit
// first into bytes, the bytes written in standard base64 without padding.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class BitWriter {
public:
    explicit BitWriter(int bytes) : bytes_(bytes, 0) {}
    // The lowest `width` bits of `value`, its lowest bit first.
    void Put(unsigned value, int width);
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    int bit_ = 0;
};

class BitReader {
public:
    explicit BitReader(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    // Reading past the end gives zeros, as the padding would.
    unsigned Get(int width);
    bool AtEnd() const { return bit_ >= static_cast<int>(bytes_.size()) * 8; }

private:
    std::vector<uint8_t> bytes_;
    int bit_ = 0;
};

std::string ToBase64(const std::vector<uint8_t>& bytes);
// Nothing unless `text` is exactly the base64 of `bytes` bytes.
std::optional<std::vector<uint8_t>> FromBase64(std::string_view text, int bytes);
