#pragma once

// Sets of materials that the pair rules of several processes name together.

#include "recommend/rule_table.h"

namespace velmora::tables {

// Material group "I": the plain carbon steels.
inline constexpr MaterialSet kGroupI{"Q235-A(F)", "Q235-B,C", "10#,20#(管)", "20g"};
// Material group "Ⅱ": the carbon-manganese and low-alloy pressure-vessel steels.
inline constexpr MaterialSet kGroupII{"16Mn(Q345)", "16MnR", "15MnVR", "20MnMo"};
// The 16Mn grades, which share the group key "dhjg1" when chosen alone.
inline constexpr MaterialSet k16Mn = kDhjg1Members;
// The five common austenitic stainless grades.
inline constexpr MaterialSet kCommonStainless{"0Cr18Ni10Ti(321)", "0Cr18Ni9(304)",
                                              "00Cr19Ni10(304L)", "0Cr17Ni12Mo2(316)",
                                              "00Cr17Ni14Mo2(316L)"};
inline constexpr MaterialSet kSuperAustenitic{"00Cr20Ni18Mo6CuN(254)", "AL-6XN(UNS N08367)"};
inline constexpr MaterialSet kNickelAlloys{"Inconel625(UNS N06625)", "Incoloy800(UNS N08800)"};

} // namespace velmora::tables
