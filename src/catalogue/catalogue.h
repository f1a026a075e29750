#pragma once

// The 43 base materials a user can choose from, and the fourteen groups they are
// shown in. A material is known everywhere by its designation: it is the caption of
// its check box, the text a selection slot holds and the key of every rule.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace velmora {

enum class GroupId : std::size_t { I, II, III, IV, V, VI, VII, VIII, IX, X, XI, XII, TG, ZG };

struct MaterialGroup {
    GroupId id;
    std::string_view frameName;
    std::string_view caption;
    std::size_t firstMember; // position in kMaterials of the top row
    std::size_t memberCount;
};

struct Material {
    int index; // 1 to 43: catalogue order, and the number in the check box name
    std::string_view designation;
    std::string_view checkBoxName;
    GroupId group; // the group it belongs to, or for 904L the group it is shown with
    int row;       // 1 = top
    bool inFrame = true;
};

inline constexpr std::size_t kMaterialCount = 43;

// Catalogue order: group by group, top to bottom. 904L comes last although it is
// shown as the sixth row of "TG": it stands on the window, not in the frame.
inline constexpr std::array<Material, kMaterialCount> kMaterials{{
    {1, "Q235-A(F)", "chk1", GroupId::I, 1},
    {2, "Q235-B,C", "chk2", GroupId::I, 2},
    {3, "10#,20#(管)", "chk3", GroupId::I, 3},
    {4, "20g", "chk4", GroupId::I, 4},
    {5, "16Mn(Q345)", "chk5", GroupId::II, 1},
    {6, "16MnR", "chk6", GroupId::II, 2},
    {7, "15MnVR", "chk7", GroupId::II, 3},
    {8, "20MnMo", "chk8", GroupId::II, 4},
    {9, "20MnMoNb", "chk9", GroupId::III, 1},
    {10, "35Mn", "chk10", GroupId::IV, 1},
    {11, "40Cr", "Chk11", GroupId::IV, 2},
    {12, "12CrMo(G)", "Chk12", GroupId::V, 1},
    {13, "15CrMo(G、R)", "chk13", GroupId::V, 2},
    {14, "12Cr1MoV(G)", "chk14", GroupId::VI, 1},
    {15, "0Cr13(405)", "chk15", GroupId::VII, 1},
    {16, "1Cr13(410)", "chk16", GroupId::VII, 2},
    {17, "2Cr13(420J1)", "chk17", GroupId::VII, 3},
    {18, "0Cr17", "chk18", GroupId::VIII, 1},
    {19, "Cr25", "chk19", GroupId::VIII, 2},
    {20, "1Cr5Mo", "chk20", GroupId::IX, 1},
    {21, "1Cr18Ni9(302)", "chk21", GroupId::X, 1},
    {22, "1Cr18Ni9Ti(321HTB)", "chk22", GroupId::X, 2},
    {23, "0Cr18Ni10Ti(321)", "chk23", GroupId::X, 3},
    {24, "0Cr18Ni9(304)", "chk24", GroupId::X, 4},
    {25, "00Cr19Ni10(304L)", "chk25", GroupId::X, 5},
    {26, "0Cr17Ni12Mo2(316)", "chk26", GroupId::X, 6},
    {27, "0Cr18Ni12Mo2Ti(-)", "chk27", GroupId::X, 7},
    {28, "00Cr17Ni14Mo2(316L)", "chk28", GroupId::X, 8},
    {29, "0Cr19Ni13Mo3(317)", "chk29", GroupId::X, 9},
    {30, "00Cr19Ni13Mo3(317L)", "chk30", GroupId::X, 10},
    {31, "0Cr18Ni12TiV(-)", "chk31", GroupId::XI, 1},
    {32, "1Cr23Ni13(-)", "chk32", GroupId::XII, 1},
    {33, "0Cr23Ni13(309S)", "chk33", GroupId::XII, 2},
    {34, "0Cr25Ni20(310S)", "chk34", GroupId::XII, 3},
    {35, "0Cr23Ni18(-)", "chk35", GroupId::XII, 4},
    {36, "00Cr20Ni18Mo6CuN(254)", "chk36", GroupId::TG, 1},
    {37, "AL-6XN(UNS N08367)", "chk37", GroupId::TG, 2},
    {38, "Inconel625(UNS N06625)", "chk38", GroupId::TG, 3},
    {39, "Incoloy800(UNS N08800)", "chk39", GroupId::TG, 4},
    {40, "C-276(UNS N10276)", "chk40", GroupId::TG, 5},
    {41, "ZG35Cr26Ni12(-)", "chk41", GroupId::ZG, 1},
    {42, "ZG40Cr28Ni16(-)", "chk42", GroupId::ZG, 2},
    {43, "904L(UNS N08904)", "chk43", GroupId::TG, 6, false},
}};

// "I" is the Latin capital letter; "Ⅱ" to "Ⅻ" are the single Roman-numeral characters.
inline constexpr std::array<MaterialGroup, 14> kGroups{{
    {GroupId::I, "Frame1", "I", 0, 4},
    {GroupId::II, "Frame2", "Ⅱ", 4, 4},
    {GroupId::III, "Frame3", "Ⅲ", 8, 1},
    {GroupId::IV, "Frame4", "Ⅳ", 9, 2},
    {GroupId::V, "Frame5", "Ⅴ", 11, 2},
    {GroupId::VI, "Frame6", "Ⅵ", 13, 1},
    {GroupId::VII, "Frame7", "Ⅶ", 14, 3},
    {GroupId::VIII, "Frame8", "Ⅷ", 17, 2},
    {GroupId::IX, "Frame9", "Ⅸ", 19, 1},
    {GroupId::X, "Frame10", "Ⅹ", 20, 10},
    {GroupId::XI, "Frame11", "Ⅺ", 30, 1},
    {GroupId::XII, "Frame12", "Ⅻ", 31, 4},
    {GroupId::TG, "Frame13", "TG", 35, 5},
    {GroupId::ZG, "Frame14", "ZG", 40, 2},
}};

// The frame that holds the two selection slots; it holds no material.
inline constexpr std::string_view kSelectionFrameName = "Frame15";
inline constexpr std::string_view kSelectionFrameCaption = "已选材料";

constexpr const MaterialGroup& group(GroupId id) noexcept {
    return kGroups[static_cast<std::size_t>(id)];
}

// The members of a group in row order (904L is not among the members of "TG").
constexpr std::span<const Material> members(const MaterialGroup& g) noexcept {
    return std::span<const Material>(kMaterials).subspan(g.firstMember, g.memberCount);
}

namespace detail {
// Positions in kMaterials ordered by designation, for a binary search.
constexpr std::array<std::size_t, kMaterialCount> sortedByDesignation() {
    std::array<std::size_t, kMaterialCount> order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return kMaterials[a].designation < kMaterials[b].designation;
    });
    return order;
}

inline constexpr std::array<std::size_t, kMaterialCount> kByDesignation = sortedByDesignation();
} // namespace detail

// Exact, case-sensitive look-up of the catalogue index; any other text, trimmed or
// not, gives 0. (Indexes rather than pointers, so that sanitizer builds can still
// evaluate it at compile time.)
constexpr int indexOf(std::string_view designation) noexcept {
    const auto* it = std::lower_bound(
        detail::kByDesignation.begin(), detail::kByDesignation.end(), designation,
        [](std::size_t pos, std::string_view d) { return kMaterials[pos].designation < d; });
    if (it == detail::kByDesignation.end() || kMaterials[*it].designation != designation) {
        return 0;
    }
    return kMaterials[*it].index;
}

constexpr const Material* findMaterial(int index) noexcept {
    if (index < 1 || index > static_cast<int>(kMaterialCount)) {
        return nullptr;
    }
    return &kMaterials[static_cast<std::size_t>(index - 1)];
}

constexpr const Material* findMaterial(std::string_view designation) noexcept {
    return findMaterial(indexOf(designation));
}

} // namespace velmora
