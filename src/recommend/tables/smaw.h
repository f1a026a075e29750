#pragma once

// Shielded metal arc welding: electrode classification, electrode brand, shielding gas.
// Texts are stored whole, prefix and runs of spaces included, and shown as stored.

#include "recommend/tables/material_sets.h"

#include <array>

namespace velmora::tables {

inline constexpr std::array<SingleEntry, 41> kSmawSingles{{
    {"tsg1", {"焊条型号：E4303 E4315", "焊条牌号：J422  J427", "保护气体：无"}},
    {"20g", {"焊条型号：E4316 E4315", "焊条牌号：J426  J427", "保护气体：无"}},
    {"dhjg1", {"焊条型号：E5016 E5015", "焊条牌号：J506  J507", "保护气体：无"}},
    {"15MnVR", {"焊条型号：E5515-G E5015", "焊条牌号：J557    J507", "保护气体：无"}},
    {"20MnMo", {"焊条型号：E5015-G E5515-G", "焊条牌号：J507RH  J557", "保护气体：无"}},
    {"20MnMoNb", {"焊条型号：E6015-D1 E6016-D1", "焊条牌号：J607     J606", "保护气体：无"}},
    {"35Mn", {"焊条型号：E4316 E4315", "焊条牌号：J426  J427", "保护气体：无"}},
    {"40Cr", {"焊条型号：", "焊条牌号：", "保护气体：无"}},
    {"12CrMo(G)", {"焊条型号：E5515-B1", "焊条牌号：R207", "保护气体：无"}},
    {"15CrMo(G、R)", {"焊条型号：E5515-B2", "焊条牌号：R307", "保护气体：无"}},
    {"12Cr1MoV(G)", {"焊条型号：E5515-B2-V", "焊条牌号：R317H", "保护气体：无"}},
    {"0Cr13(405)", {"焊条型号：E410-15 E410-16", "焊条牌号：G207    G202", "保护气体：无"}},
    {"1Cr13(410)", {"焊条型号：E410-15 E410-16", "焊条牌号：G207    G202", "保护气体：无"}},
    {"2Cr13(420J1)", {"焊条型号：E410-15 E410-16", "焊条牌号：G207    G202", "保护气体：无"}},
    {"0Cr17", {"焊条型号：--", "焊条牌号：G302   G307", "保护气体：无"}},
    {"Cr25", {"焊条型号：", "焊条牌号：", "保护气体：无"}},
    {"1Cr5Mo", {"焊条型号：E1-5MoV-15", "焊条牌号：R507", "保护气体：无"}},
    {"1Cr18Ni9(302)", {"焊条型号：E308-15", "焊条牌号：A107", "保护气体：无"}},
    {"1Cr18Ni9Ti(321HTB)", {"焊条型号：E347-15 E347-16", "焊条牌号：A137    A132", "保护气体：无"}},
    {"0Cr18Ni10Ti(321)", {"焊条型号：E347-15 E347-16", "焊条牌号：A137    A132", "保护气体：无"}},
    {"0Cr18Ni9(304)", {"焊条型号：E308-16 E308-15", "焊条牌号：A102    A107", "保护气体：无"}},
    {"00Cr19Ni10(304L)", {"焊条型号：E308L-16", "焊条牌号：A002", "保护气体：无"}},
    {"0Cr17Ni12Mo2(316)", {"焊条型号：E316-16 E316-15", "焊条牌号：A202    A207", "保护气体：无"}},
    {"0Cr18Ni12Mo2Ti(-)",
     {"焊条型号：E316L-16 E318-16", "焊条牌号：A022     A212", "保护气体：无"}},
    {"00Cr17Ni14Mo2(316L)", {"焊条型号：E316L-16", "焊条牌号：A022", "保护气体：无"}},
    {"0Cr19Ni13Mo3(317)", {"焊条型号：E317-16", "焊条牌号：A242", "保护气体：无"}},
    {"00Cr19Ni13Mo3(317L)", {"焊条型号：E317L-16", "焊条牌号：A242", "保护气体：无"}},
    {"0Cr18Ni12TiV(-)", {"焊条型号：--", "焊条牌号：--", "保护气体：无"}},
    {"1Cr23Ni13(-)", {"焊条型号：E309-16", "焊条牌号：A302", "保护气体：无"}},
    {"0Cr23Ni13(309S)", {"焊条型号：", "焊条牌号：", "保护气体：无"}},
    {"0Cr25Ni20(310S)", {"焊条型号：E310-16", "焊条牌号：A402", "保护气体：无"}},
    {"0Cr23Ni18(-)", {"焊条型号：", "焊条牌号：", "保护气体：无"}},
    {"00Cr20Ni18Mo6CuN(254)", {"焊条型号：ENiCrMo-3", "焊条牌号：112", "保护气体：无"}},
    {"AL-6XN(UNS N08367)", {"焊条型号：ENiCrMo-3", "焊条牌号：112", "保护气体：无"}},
    {"Inconel625(UNS N06625)", {"焊条型号：Incol82", "焊条牌号：--", "保护气体：无"}},
    {"Incoloy800(UNS N08800)", {"焊条型号：Incol82", "焊条牌号：--", "保护气体：无"}},
    {"C-276(UNS N10276)", {"焊条型号：ENiCrMo-4", "焊条牌号：--", "保护气体：无"}},
    {"ZG35Cr26Ni12(-)", {"焊条型号：E310-15 E310-16", "焊条牌号：A407    A402", "保护气体：无"}},
    {"ZG40Cr28Ni16(-)", {"焊条型号：E310-15 E310-16", "焊条牌号：A407    A402", "保护气体：无"}},
    {"904L(UNS N08904)", {"焊条型号：E385-16", "焊条牌号：--", "保护气体：无"}},
    {"", {"焊条型号：", "焊条牌号：", "保护气体：无"}},
}};

inline constexpr std::array<PairRule, 24> kSmawPairs{{
    // row 1, 8 pairs
    {{"焊条型号：E5015 E5016", "焊条牌号：J507  J506", "保护气体：无"}, {cross(kGroupI, k16Mn)}},
    // row 2, 12 pairs
    {{"焊条型号：E4315 E5015", "焊条牌号：J427  J507", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"15MnVR", "20MnMo", "15CrMo(G、R)"})}},
    // row 3, 6 pairs
    {{"焊条型号：E4303 E4315", "焊条牌号：J422  J427", "保护气体：无"}, {anyTwoOf(kGroupI)}},
    // row 4, 6 pairs
    {{"焊条型号：E5015 E5515-G", "焊条牌号：J507  J557", "保护气体：无"}, {anyTwoOf(kGroupII)}},
    // row 5, 4 pairs
    {{"焊条型号：E4315 E5015-G", "焊条牌号：J427  J507", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"20MnMoNb"})}},
    // row 6, 4 pairs
    {{"焊条型号：E309-16 E309-15", "焊条牌号：A302  A307", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"40Cr"})}},
    // row 7, 4 pairs
    {{"焊条型号：E4316 E4315", "焊条牌号：J426  J427", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"35Mn"})}},
    // row 8, 8 pairs
    {{"焊条型号：E4315", "焊条牌号：J427", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"12CrMo(G)", "1Cr5Mo"})}},
    // row 9, 4 pairs
    {{"焊条型号：E4315 E5515-B1", "焊条牌号：J427  R207", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"12Cr1MoV(G)"})}},
    // row 10, 24 pairs
    {{"焊条型号：E309-16 E309-15", "焊条牌号：A302    A307", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"0Cr13(405)", "1Cr13(410)", "2Cr13(420J1)", "1Cr18Ni9(302)",
                                 "0Cr23Ni13(309S)"}),
      cross(k16Mn, MaterialSet{"0Cr13(405)", "1Cr13(410)"})}},
    // row 11, 16 pairs
    {{"焊条型号：暂无", "焊条牌号：--", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"0Cr17", "Cr25", "0Cr18Ni12TiV(-)", "1Cr23Ni13(-)"})}},
    // row 12, 4 pairs
    {{"焊条型号：E310-16 E310-15", "焊条牌号：A402    A407", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"0Cr25Ni20(310S)"})}},
    // row 13, 4 pairs
    {{"焊条型号：暂无", "焊条牌号：--", "保护气体：--"},
     {cross(kGroupI, MaterialSet{"0Cr23Ni18(-)"})}},
    // row 14, 28 pairs
    {{"焊条型号：E309-16 E309-15 E309Mo-16", "焊条牌号：A302    A307    A312", "保护气体：无"},
     {cross(kGroupI | k16Mn, MaterialSet{"1Cr18Ni9Ti(321HTB)", "0Cr18Ni10Ti(321)", "0Cr18Ni9(304)",
                                         "00Cr19Ni10(304L)"}),
      cross(k16Mn, MaterialSet{"0Cr17Ni12Mo2(316)", "00Cr17Ni14Mo2(316L)"})}},
    // row 15, 4 pairs
    {{"焊条型号：E316L-16", "焊条牌号：A002", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"0Cr17Ni12Mo2(316)"})}},
    // row 16, 8 pairs
    {{"焊条型号：E316L-16", "焊条牌号：A022", "保护气体：无"},
     {cross(kGroupI | MaterialSet{"0Cr18Ni9(304)"}, MaterialSet{"00Cr17Ni14Mo2(316L)"}),
      anyTwoOf(MaterialSet{"0Cr18Ni10Ti(321)", "0Cr18Ni9(304)", "0Cr17Ni12Mo2(316)"})}},
    // row 17, 22 pairs
    {{"焊条型号：ENiCrMo-3", "焊条牌号：112", "保护气体：无"},
     {cross(kGroupI | k16Mn | kCommonStainless, kSuperAustenitic)}},
    // row 18, 22 pairs
    {{"焊条型号：Incol82", "焊条牌号：--", "保护气体：无"},
     {cross(kGroupI | k16Mn | kCommonStainless, kNickelAlloys)}},
    // row 19, 16 pairs
    {{"焊条型号：ENiCrMo-4", "焊条牌号：--", "保护气体：无"},
     {cross(kGroupI | k16Mn | kCommonStainless, MaterialSet{"C-276(UNS N10276)"}),
      cross(kCommonStainless, MaterialSet{"904L(UNS N08904)"})}},
    // row 20, 8 pairs
    {{"焊条型号：E310-15 E310-16", "焊条牌号：A407    A402", "保护气体：无"},
     {cross(kGroupI, MaterialSet{"ZG35Cr26Ni12(-)", "ZG40Cr28Ni16(-)"})}},
    // row 21, 2 pairs
    {{"焊条型号：E310-15 E310-16(不预热、不回火)", "焊条牌号：A407    A402", "保护气体：无"},
     {cross(k16Mn, MaterialSet{"40Cr"})}},
    // row 22, 2 pairs
    {{"焊条型号：E5016 E5015", "焊条牌号：J506  J507", "保护气体：无"},
     {cross(k16Mn, MaterialSet{"15CrMo(G、R)"})}},
    // row 23, 1 pair
    {{"焊条型号：E6016-B3  E6015-B3", "焊条牌号：A402      A407", "保护气体：无"},
     {cross(MaterialSet{"15CrMo(G、R)"}, MaterialSet{"0Cr18Ni10Ti(321)"})}},
    // row 24, 4 pairs
    {{"焊条型号：E318V-16", "焊条牌号：A302", "保护气体：无"},
     {cross(MaterialSet{"0Cr18Ni9(304)", "0Cr17Ni12Mo2(316)"},
            MaterialSet{"0Cr23Ni13(309S)", "0Cr25Ni20(310S)"})}},
}};

inline constexpr RuleTable kSmaw{kSmawSingles, kSmawPairs};

static_assert(checks::crossSidesAreDisjoint(kSmaw),
              "a SMAW cross block pairs a material with itself");
static_assert(checks::noPairNamedTwice(kSmaw), "a SMAW pair is named twice");
static_assert(checks::singleKeysAreSound(kSmaw),
              "a SMAW entry key is misspelt, hidden or repeated");
static_assert(checks::everyMaterialOccurs(kSmaw), "a designation is missing from the SMAW table");

} // namespace velmora::tables
