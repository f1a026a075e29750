#include "catalogue/material_names.h"

#include "catalogue/name_folding.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>

namespace velmora {
namespace {

constexpr bool sameIgnoringCase(std::string_view a, std::string_view b) noexcept {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

constexpr bool startsIgnoringCase(std::string_view text, std::string_view start) noexcept {
    return start.size() <= text.size() && sameIgnoringCase(text.substr(0, start.size()), start);
}

// Whether no two of the names are the same in any letter case.
template <typename Table, typename Name>
constexpr bool unambiguousIgnoringCase(const Table& table, Name name) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            if (sameIgnoringCase(name(table[i]), name(table[j]))) {
                return false;
            }
        }
    }
    return true;
}
// So that a name in the wrong letter case can only mean one material, and a known name
// in any letter case is one row.
static_assert(unambiguousIgnoringCase(kMaterials, [](const Material& m) { return m.designation; }));
static_assert(unambiguousIgnoringCase(kKnownNames, [](const KnownName& k) { return k.name; }));

// The text in a designation's brackets: "316L" of "00Cr17Ni14Mo2(316L)".
constexpr std::string_view bracketed(std::string_view designation) noexcept {
    const std::size_t open = designation.find('(');
    if (open == std::string_view::npos || designation.back() != ')') {
        return {};
    }
    return designation.substr(open + 1, designation.size() - open - 2);
}

// A UNS number is also written without its "UNS ".
constexpr std::string_view withoutUnsPrefix(std::string_view grade) noexcept {
    constexpr std::string_view kUns = "UNS ";
    return grade.starts_with(kUns) ? grade.substr(kUns.size()) : std::string_view{};
}

// A designation without its brackets: "0Cr18Ni9" of "0Cr18Ni9(304)", "Q235-A" of
// "Q235-A(F)". Empty where there are none: "16MnR" has no shorter name.
constexpr std::string_view withoutBrackets(std::string_view designation) noexcept {
    const std::size_t open = designation.find('(');
    if (open == std::string_view::npos || open == 0 || designation.back() != ')') {
        return {};
    }
    return designation.substr(0, open);
}

// The brackets hold either a grade of another standard (316L, Q345, 420J1, UNS N08367)
// or a note on the designation: F rimmed steel, 管 tube, G and R boiler and pressure
// vessel, - none. Every grade holds a digit and no note does, so "f" or "管" alone
// names nothing: it would be the note, not the material, that someone typed.
constexpr bool isGrade(std::string_view bracketText) noexcept {
    return bracketText.find_first_of("0123456789") != std::string_view::npos;
}

bool namesGrade(const Material& m, std::string_view typed) {
    const std::string_view grade = bracketed(m.designation);
    if (!isGrade(grade)) {
        return false;
    }
    const std::string_view number = withoutUnsPrefix(grade);
    return sameIgnoringCase(grade, typed) || (!number.empty() && sameIgnoringCase(number, typed));
}

// A shorter name of the material, written as the catalogue writes it: the grade in
// its brackets or the designation without them. A name the catalogue does not print
// ("Q345R", "S30408") is read only from the reviewed known names: anything else would
// be a guess, and a wrong guess is a wrong consumable.
bool namesShortly(const Material& m, std::string_view typed) {
    const std::string_view bare = withoutBrackets(m.designation);
    return namesGrade(m, typed) || (!bare.empty() && sameIgnoringCase(bare, typed));
}

// The known names that read as the material: "06Cr19Ni10", "S30408" of 0Cr18Ni9(304).
template <typename Visit> void forKnownNamesOf(const Material& m, Visit visit) {
    for (const KnownName& k : kKnownNames) {
        if (k.designation == m.designation) {
            visit(k.name);
        }
    }
}

// Whether the designation, the grade in its brackets with or without its "UNS ", or a
// known name of the material starts with `typed` (already folded).
bool startsWithFolded(const Material& m, std::string_view typed) {
    if (startsIgnoringCase(m.designation, typed)) {
        return true;
    }
    bool known = false;
    forKnownNamesOf(
        m, [&](std::string_view name) { known = known || startsIgnoringCase(name, typed); });
    if (known) {
        return true;
    }
    const std::string_view grade = bracketed(m.designation);
    if (!isGrade(grade)) {
        return false;
    }
    const std::string_view number = withoutUnsPrefix(grade);
    return startsIgnoringCase(grade, typed) ||
           (!number.empty() && startsIgnoringCase(number, typed));
}

// A name the typed text begins, or a shorter name it spells out: what someone meant
// who stopped typing early. Offered before anything merely close.
bool startsAName(const Material& m, std::string_view typed) {
    return !typed.empty() && (startsWithFolded(m, typed) || namesShortly(m, typed));
}

std::vector<const Material*> closest(std::string_view typed) {
    // Past a few dozen characters nothing is close; the rest need not be read.
    constexpr std::size_t kLongestUseful = 64;
    const std::vector<char32_t> name = characters(typed, kLongestUseful);
    const std::vector<char32_t> bones = skeleton(name);
    struct Rank {
        bool merelyClose;
        std::size_t distance;
        std::size_t signsApart; // the distance without signs and spaces: breaks ties
        const Material* material;
        auto key() const { return std::tuple(merelyClose, distance, signsApart); }
    };
    std::vector<Rank> ranked;
    for (const Material& m : kMaterials) {
        Rank rank{!startsAName(m, typed), SIZE_MAX, SIZE_MAX, &m};
        const auto measure = [&](std::string_view text) {
            if (!text.empty()) {
                const std::vector<char32_t> other = characters(text, kLongestUseful);
                rank.distance = std::min(rank.distance, editDistance(name, other));
                rank.signsApart = std::min(rank.signsApart, editDistance(bones, skeleton(other)));
            }
        };
        for (std::string_view text :
             {m.designation, bracketed(m.designation), withoutBrackets(m.designation)}) {
            measure(text);
        }
        forKnownNamesOf(m, measure);
        ranked.push_back(rank);
    }
    // Ties keep catalogue order.
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Rank& x, const Rank& y) { return x.key() < y.key(); });
    std::vector<const Material*> nearest;
    for (std::size_t i = 0; i < 3; ++i) {
        nearest.push_back(ranked[i].material);
    }
    return nearest;
}

// The materials the name fits: its designation alone, or every material it is a
// shorter name of.
std::vector<const Material*> materialsNamed(std::string_view typed) {
    if (const Material* exact = findMaterial(typed)) {
        return {exact};
    }
    for (const Material& m : kMaterials) {
        if (sameIgnoringCase(m.designation, typed)) {
            return {&m};
        }
    }
    std::vector<const Material*> named;
    for (const Material& m : kMaterials) {
        if (namesShortly(m, typed)) {
            named.push_back(&m);
        }
    }
    return named;
}

const KnownName* knownNamed(std::string_view typed) {
    const auto* row = std::find_if(kKnownNames.begin(), kKnownNames.end(), [&](const KnownName& k) {
        return sameIgnoringCase(k.name, typed);
    });
    return row != kKnownNames.end() ? row : nullptr;
}

// What a folded, trimmed name reads as: the catalogue's own names first, then the
// known names.
NameLookup read(std::string_view typed) {
    std::vector<const Material*> named = materialsNamed(typed);
    if (named.size() == 1) {
        const Material& m = *named.front();
        const NamedBy by = sameIgnoringCase(m.designation, typed) ? NamedBy::Designation
                           : namesGrade(m, typed)                 ? NamedBy::Grade
                                                                  : NamedBy::WithoutBrackets;
        return {&m, {}, false, nullptr, by};
    }
    if (!named.empty()) {
        return {nullptr, std::move(named), true};
    }
    const KnownName* known = knownNamed(typed);
    if (known == nullptr) {
        return {};
    }
    if (known->kind != NameKind::Refused) {
        return {findMaterial(known->designation), {}, false, known, NamedBy::KnownName};
    }
    std::vector<const Material*> meant;
    for (std::string_view designation : known->couldMean) {
        if (const Material* m = findMaterial(designation)) {
            meant.push_back(m);
        }
    }
    return {nullptr, std::move(meant), false, known};
}

} // namespace

NameLookup lookUpMaterialName(std::string_view typedText) {
    const std::string folded = foldFullWidth(typedText);
    const std::string_view typed = trimmed(folded);
    NameLookup found = read(typed);
    if (found.material == nullptr && !found.ambiguous && found.known == nullptr) {
        found.candidates = closest(typed);
    }
    return found;
}

NameLookup readMaterialName(std::string_view typedText) {
    const std::string folded = foldFullWidth(typedText);
    return read(trimmed(folded));
}

const Material* materialNamed(std::string_view typedText) {
    return readMaterialName(typedText).material;
}

bool nameStartsWith(const Material& m, std::string_view typedText) {
    return startsWithFolded(m, foldFullWidth(typedText));
}

} // namespace velmora
