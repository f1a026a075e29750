#pragma once

// Submerged arc welding: wire brand, flux brand, shielding gas.
// Texts are stored whole, prefix and runs of spaces included, and shown as stored.

#include "recommend/tables/material_sets.h"

#include <array>

namespace velmora::tables {

// 1Cr23Ni13(-) has no entry: alone it gets no answer at all.
inline constexpr std::array<SingleEntry, 40> kSawSingles{{
    {"tsg1", {"焊丝牌号：H08A", "焊剂牌号：HJ431", "保护气体：无"}},
    {"20g", {"焊丝牌号：H08MnA", "焊剂牌号：HJ431", "保护气体：无"}},
    {"dhjg1", {"焊丝牌号：H08MnA", "焊剂牌号：HJ431", "保护气体：无"}},
    {"15MnVR", {"焊丝牌号：H10MnSi", "焊剂牌号：HJ431", "保护气体：无"}},
    {"20MnMo", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"20MnMoNb", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"35Mn", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"40Cr", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"12CrMo(G)", {"焊丝牌号：H13MoCrA", "焊剂牌号：HJ350", "保护气体：无"}},
    {"15CrMo(G、R)", {"焊丝牌号：H13CrMoA", "焊剂牌号：HJ350", "保护气体：无"}},
    {"12Cr1MoV(G)", {"焊丝牌号：H08CrMoVA", "焊剂牌号：HJ350", "保护气体：无"}},
    {"0Cr13(405)", {"焊丝牌号：H0Cr14", "焊剂牌号：HJ260", "保护气体：无"}},
    {"1Cr13(410)", {"焊丝牌号：H1Cr13", "焊剂牌号：HJ260", "保护气体：无"}},
    {"2Cr13(420J1)", {"焊丝牌号：H0Cr14", "焊剂牌号：HJ260", "保护气体：无"}},
    {"0Cr17", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"Cr25", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"1Cr5Mo", {"焊丝牌号：H1Cr5Mo", "焊剂牌号：HJ250", "保护气体：无"}},
    {"1Cr18Ni9(302)", {"焊丝牌号：H0Cr21Ni10", "焊剂牌号：HJ260", "保护气体：无"}},
    {"1Cr18Ni9Ti(321HTB)", {"焊丝牌号：H0Cr21Ni10Ti", "焊剂牌号：HJ260", "保护气体：无"}},
    {"0Cr18Ni10Ti(321)", {"焊丝牌号：H0Cr21Ni10Ti", "焊剂牌号：HJ260", "保护气体：无"}},
    {"0Cr18Ni9(304)", {"焊丝牌号：H0Cr21Ni10", "焊剂牌号：HJ260", "保护气体：无"}},
    {"00Cr19Ni10(304L)", {"焊丝牌号：H0Cr21Ni10", "焊剂牌号：HJ260", "保护气体：无"}},
    {"0Cr17Ni12Mo2(316)", {"焊丝牌号：H00Cr19Ni12Mo2", "焊剂牌号：HJ260", "保护气体：无"}},
    {"0Cr18Ni12Mo2Ti(-)", {"焊丝牌号：H0Cr18Ni12Mo2Ti", "焊剂牌号：HJ260", "保护气体：无"}},
    {"00Cr17Ni14Mo2(316L)", {"焊丝牌号：H00Cr19Ni14Mo3", "焊剂牌号：HJ260", "保护气体：无"}},
    {"0Cr19Ni13Mo3(317)", {"焊丝牌号：H0Cr25Ni13Mo3", "焊剂牌号：HJ260", "保护气体：无"}},
    {"00Cr19Ni13Mo3(317L)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"0Cr18Ni12TiV(-)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"0Cr23Ni13(309S)", {"焊丝牌号：", "焊剂牌号：", "保护气体："}},
    {"0Cr25Ni20(310S)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"0Cr23Ni18(-)", {"焊丝牌号：", "焊剂牌号：", "保护气体："}},
    {"00Cr20Ni18Mo6CuN(254)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"AL-6XN(UNS N08367)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"Inconel625(UNS N06625)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"Incoloy800(UNS N08800)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"C-276(UNS N10276)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"ZG35Cr26Ni12(-)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"ZG40Cr28Ni16(-)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"904L(UNS N08904)", {"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"}},
    {"", {"焊丝牌号：", "焊剂牌号：", "保护气体："}},
}};

// The named recommendations that recur in this table.
inline constexpr Recommendation kSawDash{"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"};

inline constexpr std::array<PairRule, 6> kSawPairs{{
    {{"焊丝牌号：H08A", "焊剂牌号：HJ431", "保护气体：无"}, {anyTwoOf(kGroupI)}},
    {{"焊丝牌号：H08MnA", "焊剂牌号：HJ431", "保护气体：无"}, {cross(kGroupI, kGroupII)}},
    {{"焊丝牌号：H10CrMoA", "焊剂牌号：HJ350", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"12CrMo(G)"})}},
    {{"焊丝牌号：H13CrMoA", "焊剂牌号：HJ350", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"15CrMo(G、R)"})}},
    // The one SAW answer with a wire classification, a wire brand and a gas in its
    // three fields instead of wire brand, flux brand and gas. Stored as it stands.
    {{"焊丝型号：82", "焊丝牌号：--", "保护气体：Ar"},
     {cross(kGroupI, MaterialSet{"Incoloy800(UNS N08800)"})}},
    {kSawDash,
     {anyTwoOf(kGroupII),
      cross(kGroupI, MaterialSet{"20MnMoNb",
                                 "35Mn",
                                 "40Cr",
                                 "12Cr1MoV(G)",
                                 "0Cr13(405)",
                                 "1Cr13(410)",
                                 "2Cr13(420J1)",
                                 "0Cr17",
                                 "Cr25",
                                 "1Cr5Mo",
                                 "1Cr18Ni9(302)",
                                 "1Cr18Ni9Ti(321HTB)",
                                 "0Cr18Ni10Ti(321)",
                                 "0Cr18Ni9(304)",
                                 "00Cr19Ni10(304L)",
                                 "0Cr17Ni12Mo2(316)",
                                 "00Cr17Ni14Mo2(316L)",
                                 "0Cr18Ni12TiV(-)",
                                 "1Cr23Ni13(-)",
                                 "0Cr23Ni13(309S)",
                                 "0Cr25Ni20(310S)",
                                 "0Cr23Ni18(-)",
                                 "00Cr20Ni18Mo6CuN(254)",
                                 "AL-6XN(UNS N08367)",
                                 "Inconel625(UNS N06625)",
                                 "C-276(UNS N10276)",
                                 "ZG35Cr26Ni12(-)",
                                 "ZG40Cr28Ni16(-)"}),
      cross(k16Mn,
            MaterialSet{"40Cr", "15CrMo(G、R)", "0Cr13(405)", "1Cr13(410)", "1Cr18Ni9Ti(321HTB)",
                        "0Cr18Ni10Ti(321)", "0Cr18Ni9(304)", "00Cr19Ni10(304L)",
                        "0Cr17Ni12Mo2(316)", "00Cr17Ni14Mo2(316L)", "00Cr20Ni18Mo6CuN(254)",
                        "AL-6XN(UNS N08367)", "Inconel625(UNS N06625)", "Incoloy800(UNS N08800)",
                        "C-276(UNS N10276)"}),
      cross(MaterialSet{"0Cr18Ni10Ti(321)"}, MaterialSet{"0Cr18Ni9(304)", "0Cr17Ni12Mo2(316)"}),
      cross(MaterialSet{"0Cr18Ni9(304)"}, MaterialSet{"0Cr17Ni12Mo2(316)", "00Cr17Ni14Mo2(316L)"}),
      cross(MaterialSet{"0Cr18Ni9(304)", "0Cr17Ni12Mo2(316)"},
            MaterialSet{"0Cr23Ni13(309S)", "0Cr25Ni20(310S)"}),
      cross(kCommonStainless,
            kSuperAustenitic | kNickelAlloys | MaterialSet{"C-276(UNS N10276)"})}},
}};

inline constexpr RuleTable kSaw{kSawSingles, kSawPairs};

static_assert(checks::crossSidesAreDisjoint(kSaw),
              "a SAW cross block pairs a material with itself");
static_assert(checks::noPairNamedTwice(kSaw), "a SAW pair is named twice");
static_assert(checks::singleKeysAreSound(kSaw), "a SAW entry key is misspelt, hidden or repeated");
static_assert(checks::everyMaterialOccurs(kSaw), "a designation is missing from the SAW table");

} // namespace velmora::tables
