#include "scheme_file.h"

#include "platform/le_bytes.h"

namespace {
// The top byte of a COLORREF is no part of the colour; a file the program did
// not write may have set it.
constexpr COLORREF kColorBits = 0x00FFFFFF;
}  // namespace

Bytes EncodeSchemes(const SchemeSet& schemes) {
    Bytes out;
    ByteWriter writer(out);
    for (const ColorScheme& scheme : schemes)
        for (COLORREF c : scheme) writer.I32(static_cast<int32_t>(c));
    return out;
}

SchemeSet DecodeSchemes(const Bytes& bytes) {
    SchemeSet schemes = kDefaultSchemes;
    ByteReader reader(bytes);
    for (ColorScheme& scheme : schemes) {
        if (!reader.Has(SCHEME_BYTES)) break;
        for (COLORREF& c : scheme) c = static_cast<COLORREF>(reader.I32()) & kColorBits;
    }
    return schemes;
}

std::optional<SchemeSet> ReadSchemeFile(const std::string& path) {
    const std::optional<Bytes> bytes = ReadFileBytes(path, SCHEME_FILE_SIZE);
    if (!bytes) return std::nullopt;
    return DecodeSchemes(*bytes);
}

FileResult WriteSchemeFile(const SchemeSet& schemes, const std::string& path) {
    // A file of another size lent the dialog only part of its schemes, or none.
    const std::optional<Bytes> old = ReadFileBytes(path, SCHEME_FILE_SIZE + 1);
    if (!old || old->size() != SCHEME_FILE_SIZE)
        if (const FileResult kept = KeepRefusedFile(path); !kept) return kept;
    return WriteFileAtomically(path, EncodeSchemes(schemes));
}
