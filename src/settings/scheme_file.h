// The scheme file: the four colour schemes in order, each six little-endian
// COLORREFs in slot order, 96 bytes with no header.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/atomic_file.h"
#include "settings/color_scheme.h"

constexpr std::size_t SCHEME_BYTES = 4 * NUM_COLOR_SLOTS;
constexpr std::size_t SCHEME_FILE_SIZE = NUM_SCHEMES * SCHEME_BYTES;

Bytes EncodeSchemes(const SchemeSet& schemes);
// Each scheme the bytes hold whole; the built-in one for each they do not.
SchemeSet DecodeSchemes(const Bytes& bytes);

// Nothing when the file cannot be opened.
std::optional<SchemeSet> ReadSchemeFile(const std::string& path = SCHEME_FILE_NAME);
// Replaces the file whole, keeping one of another size aside first (see
// KeepRefusedFile); says why when it could not be written.
FileResult WriteSchemeFile(const SchemeSet& schemes, const std::string& path = SCHEME_FILE_NAME);
