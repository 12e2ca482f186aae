// Little-endian, packed fields of the program's binary files, written and
// read one by one so that no struct layout or host byte order leaks in.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/atomic_file.h"

class ByteWriter {
public:
    explicit ByteWriter(Bytes& out) : out_(out) {}
    void U8(uint8_t v) { out_.push_back(v); }
    void Zeros(std::size_t n) { out_.insert(out_.end(), n, 0); }
    void U16(uint16_t v) {
        out_.push_back(static_cast<uint8_t>(v));
        out_.push_back(static_cast<uint8_t>(v >> 8));
    }
    void I32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) out_.push_back(static_cast<uint8_t>(u >> shift));
    }

private:
    Bytes& out_;
};

// Reads fields in order; the caller asks Has() before each field, so a
// short file is never read past its end.
class ByteReader {
public:
    explicit ByteReader(const Bytes& in) : in_(in) {}
    bool Has(std::size_t n) const { return in_.size() - pos_ >= n; }
    uint8_t U8() { return in_[pos_++]; }
    void Skip(std::size_t n) { pos_ += n; }
    uint16_t U16() {
        const uint16_t v = static_cast<uint16_t>(in_[pos_] | in_[pos_ + 1] << 8);
        pos_ += 2;
        return v;
    }
    int32_t I32() {
        uint32_t u = 0;
        for (int shift = 0; shift < 32; shift += 8) u |= static_cast<uint32_t>(in_[pos_++]) << shift;
        return static_cast<int32_t>(u);
    }

private:
    const Bytes& in_;
    std::size_t pos_ = 0;
};
