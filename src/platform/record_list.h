// The program's files that keep a list of records: four magic bytes, the
// number of records up to a cap, the records and nothing after them. A file
// the program did not write, or one damaged, is set aside whole as
// "<name>.bad", so that the list starts anew and nothing is lost unseen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/le_bytes.h"

using Magic = char[4];

// Starts a file of `count` records.
inline Bytes RecordListHeader(const Magic& magic, std::size_t count) {
    Bytes bytes(std::begin(magic), std::end(magic));
    ByteWriter(bytes).I32(static_cast<int32_t>(count));
    return bytes;
}

// The records, each read by `read(ByteReader&, Record&)`, or nothing when
// the magic, the count or any record is not one the program writes.
template <class Record, class Read>
std::optional<std::vector<Record>> ReadRecordList(const Bytes& bytes, const Magic& magic, std::size_t cap, Read read) {
    if (bytes.size() < sizeof magic + 4 || std::memcmp(bytes.data(), magic, sizeof magic) != 0) return std::nullopt;
    ByteReader in(bytes);
    in.Skip(sizeof magic);
    const int32_t count = in.I32();
    if (count < 0 || static_cast<std::size_t>(count) > cap) return std::nullopt;
    std::vector<Record> records(static_cast<std::size_t>(count));
    for (Record& record : records)
        if (!read(in, record)) return std::nullopt;
    if (in.Has(1)) return std::nullopt;
    return records;
}

// The list in the file, empty when there is none. A file `decode` refuses is
// set aside first, and `setAside` says so, for the player to be told.
template <class Record, class Decode>
std::vector<Record> LoadRecordList(const std::string& path, std::size_t limit, Decode decode, bool& setAside) {
    setAside = false;
    const FileRead read = ReadFileWithReason(path, limit);
    if (!read.bytes) return {};
    if (std::optional<std::vector<Record>> records = decode(*read.bytes)) return std::move(*records);
    KeepRefusedFile(path);
    setAside = true;
    return {};
}
