#pragma once

// Known names of the catalogue's nickel alloys, AL-6XN and 904L: trade names with and
// without their spaces and hyphens, ASTM alloy numbers, EN and DIN numbers.
// Part of kKnownNames (known_names.h), in its order.

#include "catalogue/known_name.h"

#include <array>

namespace velmora::known_names {

inline constexpr auto kAlloys = std::to_array<KnownName>({
    {"AL6XN",
     "AL-6XN(UNS N08367)",
     NameKind::Notation,
     "商品名 AL-6XN",
     "不带连字符的写法",
     {"", ""}},
    {"625", "Inconel625(UNS N06625)", NameKind::Astm, "ASTM B443", "625 合金", {"", ""}},
    {"Alloy 625", "Inconel625(UNS N06625)", NameKind::Astm, "ASTM B443", "625 合金", {"", ""}},
    {"Inconel 625",
     "Inconel625(UNS N06625)",
     NameKind::Notation,
     "商品名",
     "带空格的写法",
     {"", ""}},
    {"2.4856",
     "Inconel625(UNS N06625)",
     NameKind::En,
     "EN 10095 / DIN 17744",
     "NiCr22Mo9Nb",
     {"", ""}},
    {"Alloy 800", "Incoloy800(UNS N08800)", NameKind::Astm, "ASTM B409", "800 合金", {"", ""}},
    {"Incoloy 800",
     "Incoloy800(UNS N08800)",
     NameKind::Notation,
     "商品名",
     "带空格的写法",
     {"", ""}},
    {"1.4876", "Incoloy800(UNS N08800)", NameKind::En, "EN 10095", "X10NiCrAlTi32-21", {"", ""}},
    {"C276", "C-276(UNS N10276)", NameKind::Notation, "ASTM B575", "不带连字符的写法", {"", ""}},
    {"Alloy C-276", "C-276(UNS N10276)", NameKind::Astm, "ASTM B575", "C-276 合金", {"", ""}},
    {"Hastelloy C-276", "C-276(UNS N10276)", NameKind::Trade, "通用商品名", "C-276 合金", {"", ""}},
    {"2.4819", "C-276(UNS N10276)", NameKind::En, "DIN 17744", "NiMo16Cr15W", {"", ""}},
    {"015Cr21Ni26Mo5Cu2",
     "904L(UNS N08904)",
     NameKind::GbNew,
     "GB/T 20878-2007",
     "904L 的中国牌号（代号 S39042）",
     {"", ""}},
    {"S39042",
     "904L(UNS N08904)",
     NameKind::CnIsc,
     "GB/T 20878-2007",
     "015Cr21Ni26Mo5Cu2 的统一数字代号",
     {"", ""}},
    {"SUS890L", "904L(UNS N08904)", NameKind::Jis, "JIS G4304", "904L", {"", ""}},
    {"1.4539", "904L(UNS N08904)", NameKind::En, "EN 10088", "X1NiCrMoCu25-20-5", {"", ""}},
});

} // namespace velmora::known_names
