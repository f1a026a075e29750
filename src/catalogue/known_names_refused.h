#pragma once

// Names that must not be read as any material: each row's fact says why, and
// `couldMean` names the materials the writer may have meant. Part of kKnownNames
// (known_names.h), last.

#include "catalogue/known_name.h"

#include <array>

namespace velmora::known_names {

inline constexpr auto kRefused = std::to_array<KnownName>({
    {"Q235",
     "",
     NameKind::Refused,
     "GB/T 700",
     "Q235 没有写质量等级，而目录中 Q235-A(F) 与 Q235-B,C 的推荐焊材不同；请写 Q235A 或 Q235B",
     {"Q235-A(F)", "Q235-B,C"}},
    {"420",
     "",
     NameKind::Refused,
     "ASTM A240",
     "ASTM 420 同时包括 20Cr13（2Cr13）和 30Cr13（3Cr13）；请写 2Cr13 或 20Cr13",
     {"2Cr13(420J1)", ""}},
    {"Q370R",
     "",
     NameKind::Refused,
     "GB/T 713-2008",
     "Q370R 不是 15MnVR 的替代牌号：15MnVR 已废止，没有替代牌号",
     {"", ""}},
    {"SUS405",
     "",
     NameKind::Refused,
     "JIS G4304",
     "405 型即 06Cr13Al，不在目录中；目录中的“0Cr13(405)”虽然括号写 405，实为 06Cr13（410S）",
     {"", ""}},
    {"S40500",
     "",
     NameKind::Refused,
     "ASTM A240",
     "UNS S40500 即 405 型（06Cr13Al），不在目录中；目录中的“0Cr13(405)”虽然括号写 405，实为 "
     "06Cr13（410S）",
     {"", ""}},
});

} // namespace velmora::known_names
