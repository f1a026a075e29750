#pragma once

// Gas-shielded metal arc welding: wire classification, wire brand, shielding gas.
// Texts are stored whole, prefix and runs of spaces included, and shown as stored.

#include "recommend/tables/material_sets.h"

#include <array>

namespace velmora::tables {

inline constexpr std::array<SingleEntry, 41> kMagSingles{{
    {"tsg1", {"焊丝型号：ER50-6", "焊丝牌号：MG50-6(H08Mn2Si)", "保护气体：80%Ar+20%CO2"}},
    {"20g", {"焊丝型号：ER50-6", "焊丝牌号：MG50-6(H08Mn2Si)", "保护气体：80%Ar+20%CO2"}},
    {"dhjg1", {"焊丝型号：ER49-1", "焊丝牌号：MG50-1(H08Mn2SiA)", "保护气体：80%Ar+20%CO2"}},
    {"15MnVR", {"焊丝型号：ER49-1", "焊丝牌号：MG50-1(H08Mn2SiA)", "保护气体：80%Ar+20%CO2"}},
    {"20MnMo", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"20MnMoNb", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"35Mn", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"40Cr", {"焊丝型号：ER49-1", "焊丝牌号：MG50-1(H08Mn2SiA)", "保护气体：97%Ar+3%CO2"}},
    {"12CrMo(G)", {"焊丝型号：ER55-B2", "焊丝牌号：H08CrMnSiMo", "保护气体：80%Ar+20%CO2"}},
    {"15CrMo(G、R)", {"焊丝型号：ER55-B2", "焊丝牌号：H08CrMnSiMo", "保护气体：80%Ar+20%CO2"}},
    {"12Cr1MoV(G)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"0Cr13(405)", {"焊丝型号：--", "焊丝牌号：H0Cr14", "保护气体：97%Ar3%CO2"}},
    {"1Cr13(410)", {"焊丝型号：ER410", "焊丝牌号：H1Cr13", "保护气体：97%Ar+3%CO2"}},
    {"2Cr13(420J1)", {"焊丝型号：--", "焊丝牌号：H2Cr13", "保护气体：97%Ar+3%CO2"}},
    {"0Cr17", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"Cr25", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"1Cr5Mo", {"焊丝型号：--", "焊丝牌号：H1Cr5Mo", "保护气体：--"}},
    {"1Cr18Ni9(302)", {"焊丝型号：--", "焊丝牌号：H0Cr21Ni10", "保护气体：97%Ar+3%CO2"}},
    {"1Cr18Ni9Ti(321HTB)", {"焊丝型号：ER321", "焊丝牌号：H0Cr20Ni10Ti", "保护气体：97%Ar+3%CO2"}},
    {"0Cr18Ni10Ti(321)", {"焊丝型号：--", "焊丝牌号：H0Cr19Ni9Ti", "保护气体：97%Ar+3%CO2"}},
    {"0Cr18Ni9(304)", {"焊丝型号：E309LSi", "焊丝牌号：--", "保护气体：97%Ar+3%CO2"}},
    {"00Cr19Ni10(304L)", {"焊丝型号：ER308L", "焊丝牌号：H00Cr21Ni10", "保护气体：97%Ar+3%CO2"}},
    {"0Cr17Ni12Mo2(316)", {"焊丝型号：--", "焊丝牌号：H0Cr19Ni11Mo3", "保护气体：97%Ar+3%CO2"}},
    {"0Cr18Ni12Mo2Ti(-)", {"焊丝型号：--", "焊丝牌号：H0Cr18Ni12Mo2Ti", "保护气体：97%Ar+3%CO2"}},
    {"00Cr17Ni14Mo2(316L)", {"焊丝型号：--", "焊丝牌号：H00Cr19Ni14Mo3", "保护气体：97%Ar+3%CO2"}},
    {"0Cr19Ni13Mo3(317)", {"焊丝型号：--", "焊丝牌号：H0Cr25Ni13Mo3", "保护气体：97%Ar+3%CO2"}},
    {"00Cr19Ni13Mo3(317L)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"0Cr18Ni12TiV(-)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"1Cr23Ni13(-)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"0Cr23Ni13(309S)", {"焊丝型号：", "焊丝牌号：", "保护气体："}},
    {"0Cr25Ni20(310S)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"0Cr23Ni18(-)", {"焊丝型号：", "焊丝牌号：", "保护气体："}},
    {"00Cr20Ni18Mo6CuN(254)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"AL-6XN(UNS N08367)", {"焊丝型号：", "焊丝牌号：", "保护气体："}},
    {"Inconel625(UNS N06625)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"Incoloy800(UNS N08800)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"C-276(UNS N10276)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"ZG35Cr26Ni12(-)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"ZG40Cr28Ni16(-)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"904L(UNS N08904)", {"焊丝型号：--", "焊丝牌号：--", "保护气体：--"}},
    {"", {"焊丝型号：", "焊丝牌号：", "保护气体："}},
}};

inline constexpr std::array<PairRule, 8> kMagPairs{{
    // row 1, 24 pairs
    {{"焊丝型号：ER49-1", "焊丝牌号：MG50-1(H08Mn2SiA)", "保护气体：80%Ar+20%CO2"},
     {cross(kGroupII, kGroupI), anyTwoOf(kGroupII), cross(k16Mn, MaterialSet{"15CrMo(G、R)"})}},
    // row 2, 6 pairs
    {{"焊丝型号：ER50-6", "焊丝牌号：MG50-6(H08Mn2Si)", "保护气体：80%Ar+20%CO2"},
     {anyTwoOf(kGroupI)}},
    // row 3, 148 pairs
    {{"焊丝型号：--", "焊丝牌号：--", "保护气体：--"},
     {cross(MaterialSet{"20MnMoNb",
                        "35Mn",
                        "12Cr1MoV(G)",
                        "0Cr17",
                        "Cr25",
                        "1Cr5Mo",
                        "1Cr18Ni9(302)",
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
                        "Incoloy800(UNS N08800)",
                        "C-276(UNS N10276)",
                        "ZG35Cr26Ni12(-)",
                        "ZG40Cr28Ni16(-)"},
            kGroupI),
      cross(MaterialSet{"0Cr13(405)", "1Cr13(410)", "1Cr18Ni9Ti(321HTB)", "0Cr18Ni10Ti(321)",
                        "0Cr18Ni9(304)", "00Cr19Ni10(304L)", "0Cr17Ni12Mo2(316)",
                        "00Cr17Ni14Mo2(316L)", "00Cr20Ni18Mo6CuN(254)", "AL-6XN(UNS N08367)",
                        "Inconel625(UNS N06625)", "Incoloy800(UNS N08800)"},
            k16Mn),
      cross(k16Mn | kCommonStainless, MaterialSet{"C-276(UNS N10276)"}),
      cross(MaterialSet{"0Cr18Ni10Ti(321)", "0Cr17Ni12Mo2(316)", "00Cr17Ni14Mo2(316L)"},
            MaterialSet{"0Cr18Ni9(304)"}),
      cross(MaterialSet{"0Cr17Ni12Mo2(316)"}, MaterialSet{"0Cr18Ni10Ti(321)"}),
      cross(MaterialSet{"0Cr18Ni9(304)", "0Cr17Ni12Mo2(316)"},
            MaterialSet{"0Cr23Ni13(309S)", "0Cr25Ni20(310S)"}),
      cross(kSuperAustenitic | kNickelAlloys | MaterialSet{"904L(UNS N08904)"}, kCommonStainless)}},
    // row 4, 4 pairs
    {{"焊丝型号：--", "焊丝牌号：H1Cr21Ni10Mn6", "保护气体：97%Ar+3%CO2"},
     {cross(kGroupI, MaterialSet{"40Cr"})}},
    // row 5, 8 pairs
    {{"焊丝型号：ER55-B2", "焊丝牌号：H08CrMnSiMo", "保护气体：97%Ar+3%CO2"},
     {cross(kGroupI, MaterialSet{"12CrMo(G)", "15CrMo(G、R)"})}},
    // row 6, 12 pairs
    {{"焊丝型号：--", "焊丝牌号：H08CrNi2MoA", "保护气体：--"},
     {cross(kGroupI, MaterialSet{"0Cr13(405)", "1Cr13(410)", "2Cr13(420J1)"})}},
    // row 7, 16 pairs
    {{"焊丝型号：ER309", "焊丝牌号：H1Cr24Ni13", "保护气体：97%Ar+3%CO2"},
     {cross(
         MaterialSet{"1Cr18Ni9Ti(321HTB)", "0Cr18Ni10Ti(321)", "0Cr18Ni9(304)", "00Cr19Ni10(304L)"},
         kGroupI)}},
    // row 8, 2 pairs
    {{"焊丝型号：--", "焊丝牌号：H1Cr21Ni10Mn6", "保护气体：--"},
     {cross(k16Mn, MaterialSet{"40Cr"})}},
}};

inline constexpr RuleTable kMag{kMagSingles, kMagPairs};

static_assert(checks::crossSidesAreDisjoint(kMag),
              "a MAG cross block pairs a material with itself");
static_assert(checks::noPairNamedTwice(kMag), "a MAG pair is named twice");
static_assert(checks::singleKeysAreSound(kMag), "a MAG entry key is misspelt, hidden or repeated");
static_assert(checks::everyMaterialOccurs(kMag), "a designation is missing from the MAG table");

} // namespace velmora::tables
