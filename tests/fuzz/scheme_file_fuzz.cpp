// The scheme file: each whole scheme it holds gives its colours without the
// top byte, every scheme it lacks keeps the built-in colours.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "platform/le_bytes.h"
#include "settings/scheme_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const Bytes bytes(data, data + std::min(size, SCHEME_FILE_SIZE));
    const SchemeSet schemes = DecodeSchemes(bytes);
    ByteReader in(bytes);
    for (std::size_t s = 0; s < NUM_SCHEMES; ++s) {
        const bool whole = in.Has(SCHEME_BYTES);
        for (COLORREF c : schemes[s]) {
            FUZZ_CHECK((c & 0xFF000000u) == 0);
            if (whole) FUZZ_CHECK(c == (static_cast<COLORREF>(in.I32()) & 0x00FFFFFFu));
        }
        if (!whole) FUZZ_CHECK(schemes[s] == kDefaultSchemes[s]);
    }
    FUZZ_CHECK(DecodeSchemes(EncodeSchemes(schemes)) == schemes);
    return 0;
}
