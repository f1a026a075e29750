#pragma once

// The 43 base materials a user can choose from, and the fourteen groups they are
// listed in. A material is known everywhere by its designation: it is the caption of
// its check box, the text a selection slot holds and the key of every rule.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

enum class GroupId : std::size_t { I, II, III, IV, V, VI, VII, VIII, IX, X, XI, XII, TG, ZG };

struct MaterialGroup {
    GroupId id;
    std::string_view caption;
    std::size_t firstMember; // position in kMaterials of the top row
    std::size_t memberCount;
};

struct Material {
    int index; // 1 to 43: catalogue order
    std::string_view designation;
    GroupId group; // the group it belongs to, or for 904L the group it is listed with
    int row;       // 1 = top
};

inline constexpr std::size_t kMaterialCount = 43;

// Catalogue order: group by group, top to bottom. 904L comes last: it is listed with
// "TG" as its sixth row but is not one of that group's members.
inline constexpr std::array<Material, kMaterialCount> kMaterials{{
    {1, "Q235-A(F)", GroupId::I, 1},
    {2, "Q235-B,C", GroupId::I, 2},
    {3, "10#,20#(管)", GroupId::I, 3},
    {4, "20g", GroupId::I, 4},
    {5, "16Mn(Q345)", GroupId::II, 1},
    {6, "16MnR", GroupId::II, 2},
    {7, "15MnVR", GroupId::II, 3},
    {8, "20MnMo", GroupId::II, 4},
    {9, "20MnMoNb", GroupId::III, 1},
    {10, "35Mn", GroupId::IV, 1},
    {11, "40Cr", GroupId::IV, 2},
    {12, "12CrMo(G)", GroupId::V, 1},
    {13, "15CrMo(G、R)", GroupId::V, 2},
    {14, "12Cr1MoV(G)", GroupId::VI, 1},
    {15, "0Cr13(405)", GroupId::VII, 1},
    {16, "1Cr13(410)", GroupId::VII, 2},
    {17, "2Cr13(420J1)", GroupId::VII, 3},
    {18, "0Cr17", GroupId::VIII, 1},
    {19, "Cr25", GroupId::VIII, 2},
    {20, "1Cr5Mo", GroupId::IX, 1},
    {21, "1Cr18Ni9(302)", GroupId::X, 1},
    {22, "1Cr18Ni9Ti(321HTB)", GroupId::X, 2},
    {23, "0Cr18Ni10Ti(321)", GroupId::X, 3},
    {24, "0Cr18Ni9(304)", GroupId::X, 4},
    {25, "00Cr19Ni10(304L)", GroupId::X, 5},
    {26, "0Cr17Ni12Mo2(316)", GroupId::X, 6},
    {27, "0Cr18Ni12Mo2Ti(-)", GroupId::X, 7},
    {28, "00Cr17Ni14Mo2(316L)", GroupId::X, 8},
    {29, "0Cr19Ni13Mo3(317)", GroupId::X, 9},
    {30, "00Cr19Ni13Mo3(317L)", GroupId::X, 10},
    {31, "0Cr18Ni12TiV(-)", GroupId::XI, 1},
    {32, "1Cr23Ni13(-)", GroupId::XII, 1},
    {33, "0Cr23Ni13(309S)", GroupId::XII, 2},
    {34, "0Cr25Ni20(310S)", GroupId::XII, 3},
    {35, "0Cr23Ni18(-)", GroupId::XII, 4},
    {36, "00Cr20Ni18Mo6CuN(254)", GroupId::TG, 1},
    {37, "AL-6XN(UNS N08367)", GroupId::TG, 2},
    {38, "Inconel625(UNS N06625)", GroupId::TG, 3},
    {39, "Incoloy800(UNS N08800)", GroupId::TG, 4},
    {40, "C-276(UNS N10276)", GroupId::TG, 5},
    {41, "ZG35Cr26Ni12(-)", GroupId::ZG, 1},
    {42, "ZG40Cr28Ni16(-)", GroupId::ZG, 2},
    {43, "904L(UNS N08904)", GroupId::TG, 6},
}};

// "I" is the Latin capital letter; "Ⅱ" to "Ⅻ" are the single Roman-numeral characters.
inline constexpr std::array<MaterialGroup, 14> kGroups{{
    {GroupId::I, "I", 0, 4},
    {GroupId::II, "Ⅱ", 4, 4},
    {GroupId::III, "Ⅲ", 8, 1},
    {GroupId::IV, "Ⅳ", 9, 2},
    {GroupId::V, "Ⅴ", 11, 2},
    {GroupId::VI, "Ⅵ", 13, 1},
    {GroupId::VII, "Ⅶ", 14, 3},
    {GroupId::VIII, "Ⅷ", 17, 2},
    {GroupId::IX, "Ⅸ", 19, 1},
    {GroupId::X, "Ⅹ", 20, 10},
    {GroupId::XI, "Ⅺ", 30, 1},
    {GroupId::XII, "Ⅻ", 31, 4},
    {GroupId::TG, "TG", 35, 5},
    {GroupId::ZG, "ZG", 40, 2},
}};

constexpr const MaterialGroup& group(GroupId id) noexcept {
    return kGroups[static_cast<std::size_t>(id)];
}

// The members of a group in row order (904L is not among the members of "TG").
constexpr std::span<const Material> members(const MaterialGroup& g) noexcept {
    return std::span<const Material>(kMaterials).subspan(g.firstMember, g.memberCount);
}

// The materials a group lists, row by row, as every face shows the group: its members,
// and with "TG" 904L after them.
inline std::vector<const Material*> listedIn(const MaterialGroup& g) {
    std::vector<const Material*> listed;
    for (const Material& m : kMaterials) {
        if (m.group == g.id) {
            listed.push_back(&m);
        }
    }
    std::sort(listed.begin(), listed.end(),
              [](const Material* a, const Material* b) { return a->row < b->row; });
    return listed;
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
