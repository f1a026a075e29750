#pragma once

// One name drawings, plate certificates and pipe lists write for a catalogue material,
// with the standard that makes it the same grade, and what kind of name it is. The
// names themselves are in known_names.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmora {

enum class NameKind : std::uint8_t {
    Notation, // the catalogue's grade as drawings write it: "Q235B", "15CrMoG", "20#"
    GbNew,    // the current Chinese name: "06Cr19Ni10" for 0Cr18Ni9, "Q345R" for 16MnR
    CnIsc,    // the Chinese unified numbering code (GB/T 17616), not a UNS number
    Uns,
    Astm,
    Jis,
    En,
    Trade,
    Refused, // names no material
};

struct KnownName {
    std::string_view name;
    std::string_view designation; // empty for a refused name
    NameKind kind;
    std::string_view standard; // that gives the correspondence
    std::string_view fact;     // for a refused name, why
    // Spelt out in every row, {"", ""} where none: GCC 12 takes an empty `{}` here
    // for a write to the table when the static_assert in known_names.h reads it.
    std::array<std::string_view, 2> couldMean;
};

// "gb-new", as JSON and the names listing write the kind.
constexpr std::string_view nameKindKey(NameKind kind) noexcept {
    constexpr std::array<std::string_view, 9> keys{"notation", "gb-new", "cn-isc", "uns",   "astm",
                                                   "jis",      "en",     "trade",  "refuse"};
    return keys[static_cast<std::size_t>(kind)];
}

// "现行国标牌号", as people read the kind.
constexpr std::string_view nameKindText(NameKind kind) noexcept {
    constexpr std::array<std::string_view, 9> texts{"常见写法", "现行国标牌号", "统一数字代号",
                                                    "UNS 编号", "ASTM 牌号",    "JIS 牌号",
                                                    "EN 牌号",  "商品名",       "不予换算"};
    return texts[static_cast<std::size_t>(kind)];
}

} // namespace velmora
