#pragma once

// Known names of the catalogue's carbon, carbon-manganese and chromium-molybdenum
// steels: quality letters, "#" for 号, product suffixes and the GB/T 713 and GB/T 1591
// renamings. Part of kKnownNames (known_names.h), in its order.

#include "catalogue/known_name.h"

#include <array>

namespace velmora::known_names {

inline constexpr auto kSteels = std::to_array<KnownName>({
    {"Q235A", "Q235-A(F)", NameKind::Notation, "GB/T 700", "质量等级 A", {"", ""}},
    {"Q235-A", "Q235-A(F)", NameKind::Notation, "GB/T 700", "质量等级 A", {"", ""}},
    {"Q235AF", "Q235-A(F)", NameKind::Notation, "GB/T 700", "A 级，沸腾钢（F）", {"", ""}},
    {"Q235A·F", "Q235-A(F)", NameKind::Notation, "GB/T 700", "A 级，沸腾钢（F）", {"", ""}},
    {"Q235A.F", "Q235-A(F)", NameKind::Notation, "GB/T 700", "A 级，沸腾钢（F）", {"", ""}},
    {"Q235-A·F", "Q235-A(F)", NameKind::Notation, "GB/T 700", "A 级，沸腾钢（F）", {"", ""}},
    {"Q235-A.F", "Q235-A(F)", NameKind::Notation, "GB/T 700", "A 级，沸腾钢（F）", {"", ""}},
    {"Q235B", "Q235-B,C", NameKind::Notation, "GB/T 700", "质量等级 B", {"", ""}},
    {"Q235-B", "Q235-B,C", NameKind::Notation, "GB/T 700", "质量等级 B", {"", ""}},
    {"Q235C", "Q235-B,C", NameKind::Notation, "GB/T 700", "质量等级 C", {"", ""}},
    {"Q235-C", "Q235-B,C", NameKind::Notation, "GB/T 700", "质量等级 C", {"", ""}},
    {"10#",
     "10#,20#(管)",
     NameKind::Notation,
     "GB/T 699, GB/T 8163, GB/T 3087",
     "10 号钢；“#”即“号”",
     {"", ""}},
    {"10",
     "10#,20#(管)",
     NameKind::Notation,
     "GB/T 699, GB/T 8163, GB/T 3087",
     "10 号钢",
     {"", ""}},
    {"20#",
     "10#,20#(管)",
     NameKind::Notation,
     "GB/T 699, GB/T 8163, GB/T 3087",
     "20 号钢",
     {"", ""}},
    {"20",
     "10#,20#(管)",
     NameKind::Notation,
     "GB/T 699, GB/T 8163, GB/T 3087",
     "20 号钢",
     {"", ""}},
    {"Q245R",
     "20g",
     NameKind::GbNew,
     "GB/T 713-2008 及以后版本",
     "Q245R 取代了 20g（锅炉板）和 20R（容器板）；目录中为 20g",
     {"", ""}},
    {"Q345A",
     "16Mn(Q345)",
     NameKind::Notation,
     "GB/T 1591-1994",
     "Q345 质量等级 A；Q345 取代了 16Mn",
     {"", ""}},
    {"Q345B", "16Mn(Q345)", NameKind::Notation, "GB/T 1591-1994", "Q345 质量等级 B", {"", ""}},
    {"Q355", "16Mn(Q345)", NameKind::GbNew, "GB/T 1591-2018", "Q355 取代了 Q345", {"", ""}},
    {"Q355B", "16Mn(Q345)", NameKind::GbNew, "GB/T 1591-2018", "Q355B 取代了 Q345B", {"", ""}},
    {"Q345R",
     "16MnR",
     NameKind::GbNew,
     "GB/T 713-2008 及以后版本",
     "Q345R 取代了 16MnR（以及锅炉板 16Mng、19Mng）",
     {"", ""}},
    {"12CrMo", "12CrMo(G)", NameKind::Notation, "GB/T 3077", "不带管材后缀的牌号", {"", ""}},
    {"12CrMoG", "12CrMo(G)", NameKind::Notation, "GB/T 5310", "高压锅炉管", {"", ""}},
    {"15CrMo", "15CrMo(G、R)", NameKind::Notation, "GB/T 3077", "不带产品后缀的牌号", {"", ""}},
    {"15CrMoG", "15CrMo(G、R)", NameKind::Notation, "GB/T 5310", "高压锅炉管", {"", ""}},
    {"15CrMoR", "15CrMo(G、R)", NameKind::Notation, "GB/T 713", "压力容器板", {"", ""}},
    {"12Cr1MoV", "12Cr1MoV(G)", NameKind::Notation, "GB/T 3077", "不带管材后缀的牌号", {"", ""}},
    {"12Cr1MoVG", "12Cr1MoV(G)", NameKind::Notation, "GB/T 5310", "高压锅炉管", {"", ""}},
});

} // namespace velmora::known_names
