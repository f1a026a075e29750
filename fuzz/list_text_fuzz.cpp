// A text list's bytes, any of them: how they are to be read (UTF-8, GB18030 or not at
// all), held against the core's other reading of UTF-8.

#include "catalogue/name_folding.h"
#include "joints/list_cells.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const ListBytes read = listBytes(file);
    if (!file.ends_with(read.bytes) || file.size() - read.bytes.size() > 3) {
        __builtin_trap(); // only the byte-order mark is ever left out
    }
    if (read.encoding == ListEncoding::Utf8) {
        // What is read as UTF-8 is, character by character, with no byte standing for
        // itself.
        const std::vector<char32_t> cs = characters(read.bytes, read.bytes.size());
        if (std::any_of(cs.begin(), cs.end(), [](char32_t c) { return c > 0x10FFFF; })) {
            __builtin_trap();
        }
    }
    return 0;
}
