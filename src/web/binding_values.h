#pragma once

// The core's texts as the page's JavaScript values.

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace velmora::web {

inline emscripten::val text(std::string_view s) {
    return emscripten::val(std::string(s));
}

template <typename Range> emscripten::val texts(const Range& range) {
    emscripten::val array = emscripten::val::array();
    for (const auto& item : range) {
        array.call<void>("push", text(item));
    }
    return array;
}

} // namespace velmora::web
