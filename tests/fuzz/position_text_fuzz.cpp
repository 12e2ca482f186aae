// Pasted position texts: anything read is a position both texts write and
// read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "interchange/position_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const TextRead read = ReadPositionText(std::string_view(reinterpret_cast<const char*>(data), size));
    const TextPosition* p = std::get_if<TextPosition>(&read);
    if (!p) return 0;
    for (const TextRead again : {ReadPositionText(EncodeXgid(*p)), ReadPositionText(EncodeGnuIds(*p))}) {
        const TextPosition* q = std::get_if<TextPosition>(&again);
        FUZZ_CHECK(q && *q == *p);
    }
    return 0;
}
