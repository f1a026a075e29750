#pragma once

// Gas tungsten arc welding: wire classification, wire brand, shielding gas.
// Texts are stored whole, prefix and runs of spaces included, and shown as stored.

#include "recommend/tables/material_sets.h"

#include <array>

namespace velmora::tables {

inline constexpr std::array<SingleEntry, 41> kGtawSingles{{
    {"tsg1", {"焊丝型号：--", "焊丝牌号：H08MnA", "保护气体：Ar"}},
    {"20g", {"焊丝型号：--", "焊丝牌号：H08MnA", "保护气体：Ar"}},
    {"dhjg1", {"焊丝型号：--", "焊丝牌号：H10MnSi", "保护气体：Ar"}},
    {"15MnVR", {"焊丝型号：--", "焊丝牌号：H08Mn2SiA", "保护气体：--"}},
    {"20MnMo", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"20MnMoNb", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"35Mn", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"40Cr", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"12CrMo(G)", {"焊丝型号：--", "焊丝牌号：H08CrMoA", "保护气体：Ar"}},
    {"15CrMo(G、R)", {"焊丝型号：无", "焊丝牌号：H13CrMoA", "保护气体：Ar"}},
    {"12Cr1MoV(G)", {"焊丝型号：--", "焊丝牌号：H08CrMoVA", "保护气体：Ar"}},
    {"0Cr13(405)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"1Cr13(410)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"2Cr13(420J1)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"0Cr17", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"Cr25", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"1Cr5Mo", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"1Cr18Ni9(302)", {"焊丝型号：ER308", "焊丝牌号：H0Cr18Ni9", "保护气体：Ar"}},
    {"1Cr18Ni9Ti(321HTB)", {"焊丝型号：ER347", "焊丝牌号：H0Cr21Ni10Ti", "保护气体：Ar"}},
    {"0Cr18Ni10Ti(321)", {"焊丝型号：ER347", "焊丝牌号：H0Cr21Ni10Ti", "保护气体：Ar"}},
    {"0Cr18Ni9(304)", {"焊丝型号：ER308", "焊丝牌号：H0Cr21Ni10", "保护气体：Ar"}},
    {"00Cr19Ni10(304L)", {"焊丝型号：E308L", "焊丝牌号：H00Cr21Ni10", "保护气体：Ar"}},
    {"0Cr17Ni12Mo2(316)", {"焊丝型号：ER316", "焊丝牌号：H0Cr19Ni12Mo2", "保护气体：Ar"}},
    {"0Cr18Ni12Mo2Ti(-)", {"焊丝型号：--", "焊丝牌号：H0Cr19Ni12Mo3", "保护气体：Ar"}},
    {"00Cr17Ni14Mo2(316L)", {"焊丝型号：ER316L", "焊丝牌号：H00Cr19Ni12Mo2", "保护气体：Ar"}},
    {"0Cr19Ni13Mo3(317)", {"焊丝型号：ER317", "焊丝牌号：H0Cr19Ni14Mo3", "保护气体：Ar"}},
    {"00Cr19Ni13Mo3(317L)", {"焊丝型号：ER317L", "焊丝牌号：--", "保护气体：Ar"}},
    {"0Cr18Ni12TiV(-)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"1Cr23Ni13(-)", {"焊丝型号：ER309", "焊丝牌号：H1Cr24Ni13", "保护气体：Ar"}},
    {"0Cr23Ni13(309S)", {"焊丝型号：", "焊丝牌号：", "保护气体："}},
    {"0Cr25Ni20(310S)", {"焊丝型号：ER310", "焊丝牌号：HCr25Ni20", "保护气体：Ar"}},
    {"0Cr23Ni18(-)", {"焊丝型号：", "焊丝牌号：", "保护气体："}},
    {"00Cr20Ni18Mo6CuN(254)", {"焊丝型号：ERNiCrMo-3", "焊丝牌号：625Fe", "保护气体：Ar"}},
    {"AL-6XN(UNS N08367)", {"焊丝型号：ERNiCrMo-3", "焊丝牌号：625Fe", "保护气体：Ar"}},
    {"Inconel625(UNS N06625)", {"焊丝型号：82焊丝", "焊丝牌号：--", "保护气体：Ar"}},
    {"Incoloy800(UNS N08800)", {"焊丝型号：82焊丝", "焊丝牌号：--", "保护气体：Ar"}},
    {"C-276(UNS N10276)", {"焊丝型号：ERNiCrMo-4", "焊丝牌号：--", "保护气体：Ar"}},
    {"ZG35Cr26Ni12(-)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"ZG40Cr28Ni16(-)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"904L(UNS N08904)", {"焊丝型号：ER385-16", "焊丝牌号：--", "保护气体：Ar"}},
    {"", {"焊丝型号：", "焊丝牌号：", "保护气体："}},
}};

inline constexpr std::array<PairRule, 14> kGtawPairs{{
    // row 1, 16 pairs
    {{"焊丝型号：--", "焊丝牌号：H10MnSi", "保护气体：Ar"}, {cross(kGroupII, kGroupI)}},
    // row 2, 6 pairs
    {{"焊丝型号：--", "焊丝牌号：H08A", "保护气体：Ar"}, {anyTwoOf(kGroupI)}},
    // row 3, 74 pairs
    {{"焊丝型号：--", "焊丝牌号：--", "保护气体：--"},
     {anyTwoOf(kGroupII),
      cross(MaterialSet{"20MnMoNb", "35Mn", "40Cr", "12Cr1MoV(G)", "0Cr13(405)", "1Cr13(410)",
                        "2Cr13(420J1)", "0Cr17", "Cr25", "1Cr5Mo", "1Cr18Ni9(302)",
                        "0Cr18Ni12TiV(-)", "1Cr23Ni13(-)", "0Cr23Ni18(-)", "ZG35Cr26Ni12(-)",
                        "ZG40Cr28Ni16(-)"},
            kGroupI),
      cross(k16Mn, MaterialSet{"0Cr13(405)", "1Cr13(410)"})}},
    // row 4, 4 pairs
    {{"焊丝型号：--", "焊丝牌号：H10CrMoA", "保护气体：Ar"},
     {cross(kGroupI, MaterialSet{"12CrMo(G)"})}},
    // row 5, 4 pairs
    {{"焊丝型号：--", "焊丝牌号：H13CrMoA", "保护气体：Ar"},
     {cross(kGroupI, MaterialSet{"15CrMo(G、R)"})}},
    // row 6, 40 pairs
    {{"焊丝型号：ER309", "焊丝牌号：H1Cr24Ni13", "保护气体：Ar"},
     {cross(MaterialSet{"1Cr18Ni9Ti(321HTB)", "0Cr18Ni10Ti(321)", "0Cr18Ni9(304)",
                        "00Cr19Ni10(304L)", "0Cr17Ni12Mo2(316)", "00Cr17Ni14Mo2(316L)",
                        "0Cr23Ni13(309S)"},
            kGroupI),
      cross(MaterialSet{"1Cr18Ni9Ti(321HTB)", "0Cr18Ni10Ti(321)", "0Cr18Ni9(304)",
                        "00Cr19Ni10(304L)", "0Cr17Ni12Mo2(316)", "00Cr17Ni14Mo2(316L)"},
            k16Mn)}},
    // row 7, 4 pairs
    {{"焊丝型号：ER310", "焊丝牌号：H1Cr26Ni21", "保护气体：Ar"},
     {cross(kGroupI, MaterialSet{"0Cr25Ni20(310S)"})}},
    // row 8, 22 pairs
    {{"焊丝型号：ERNiCrMo-3", "焊丝牌号：625Fe", "保护气体：Ar"},
     {cross(kGroupI | kCommonStainless, kSuperAustenitic), cross(k16Mn, kSuperAustenitic)}},
    // row 9, 22 pairs
    {{"焊丝型号：82", "焊丝牌号：--", "保护气体：Ar"},
     {cross(kGroupI | kCommonStainless, kNickelAlloys), cross(k16Mn, kNickelAlloys)}},
    // row 10, 11 pairs
    {{"焊丝型号：ERNiCrMo-4", "焊丝牌号：--", "保护气体：Ar"},
     {cross(kGroupI | k16Mn | kCommonStainless, MaterialSet{"C-276(UNS N10276)"})}},
    // row 11, 2 pairs
    {{"焊丝型号：--", "焊丝牌号：H1Cr21Ni10Mn6", "保护气体：Ar"},
     {cross(k16Mn, MaterialSet{"40Cr"})}},
    // row 12, 2 pairs
    {{"焊丝型号：--", "焊丝牌号：H08Mn2SiA", "保护气体：Ar"},
     {cross(k16Mn, MaterialSet{"15CrMo(G、R)"})}},
    // row 13, 8 pairs
    {{"焊丝型号：ER316L", "焊丝牌号：H00Cr19Ni12Mo2", "保护气体：Ar"},
     {cross(MaterialSet{"0Cr18Ni10Ti(321)", "0Cr17Ni12Mo2(316)", "00Cr17Ni14Mo2(316L)"},
            MaterialSet{"0Cr18Ni9(304)"}),
      cross(MaterialSet{"0Cr17Ni12Mo2(316)"}, MaterialSet{"0Cr18Ni10Ti(321)"}),
      cross(MaterialSet{"0Cr18Ni9(304)", "0Cr17Ni12Mo2(316)"},
            MaterialSet{"0Cr23Ni13(309S)", "0Cr25Ni20(310S)"})}},
    // row 14, 5 pairs
    {{"焊丝型号：--", "焊丝牌号：--", "保护气体：Ar"},
     {cross(kCommonStainless, MaterialSet{"904L(UNS N08904)"})}},
}};

inline constexpr RuleTable kGtaw{kGtawSingles, kGtawPairs};

static_assert(checks::crossSidesAreDisjoint(kGtaw),
              "a GTAW cross block pairs a material with itself");
static_assert(checks::noPairNamedTwice(kGtaw), "a GTAW pair is named twice");
static_assert(checks::singleKeysAreSound(kGtaw),
              "a GTAW entry key is misspelt, hidden or repeated");
static_assert(checks::everyMaterialOccurs(kGtaw), "a designation is missing from the GTAW table");

} // namespace velmora::tables
