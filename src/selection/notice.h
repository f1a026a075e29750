#pragma once

#include <string_view>

namespace velmora {

// A modal message with a single OK button and no icon; the operation that raised it
// waits until the user presses OK.
struct Notice {
    std::string_view text;
    std::string_view title;
};

} // namespace velmora
