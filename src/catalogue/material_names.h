#pragma once

// Material names as people write them: the designation itself, the designation in any
// letter case, the grade in its brackets ("316L", "UNS N08367" or just "N08367") or
// the designation without its brackets ("0Cr18Ni9", "16Mn", "C-276") where that
// shorter name belongs to one material only. Full-width forms, as a Chinese input
// method types them ("３１６Ｌ"), count as their ASCII letters, digits, signs and
// spaces, and spaces around a name do not count.
//
// Only where none of those names fits, the names of today's drawings are read
// ("Q345R", "06Cr19Ni10", "S30408": known_names.h), under the same folding; those
// the table refuses ("Q235", "420") mean no material, whatever they look like.

#include "catalogue/catalogue.h"
#include "catalogue/known_names.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Letter case counts for ASCII letters only: every letter of a name is one.
constexpr char lowerAscii(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Which of a material's names a text is.
enum class NamedBy : std::uint8_t {
    Designation,     // in any letter case
    Grade,           // the grade in its brackets: "316L", "UNS N08367", "N08367"
    WithoutBrackets, // "0Cr18Ni9", "16Mn"
    KnownName,       // a name of today's drawings: see `known`
};

struct NameLookup {
    // The material meant, or null when the name fits none or several.
    const Material* material = nullptr;
    // With no material: the materials the name fits (several), or, when it fits
    // none, the closest designations, at most three: first those with a name that
    // starts with what was typed, then the nearest, each kind nearest first.
    std::vector<const Material*> candidates;
    bool ambiguous = false; // the name fits every candidate
    // The row of the known names the material was read by, or, with no material, the
    // row that refuses the name (its couldMean are then the candidates); null where the
    // catalogue's own names decided.
    const KnownName* known = nullptr;
    NamedBy by = NamedBy::Designation; // with a material: how the name names it

    bool refused() const noexcept { return material == nullptr && known != nullptr; }
};

// A name read by way of the known names: what was typed, and the row that read it.
struct Translation {
    std::string typed;
    const KnownName* known = nullptr;
};

// Works on any bytes, valid UTF-8 or not, of any length. Letter case is ignored for
// ASCII letters only.
NameLookup lookUpMaterialName(std::string_view typed);

// As lookUpMaterialName, but cheap: where the name fits no material, no closest names
// are worked out (the candidates are empty).
NameLookup readMaterialName(std::string_view typed);

// The material the name means, as lookUpMaterialName finds it; null when it fits none
// or several. Cheap, as readMaterialName.
const Material* materialNamed(std::string_view typed);

// Whether a name of the material starts with `typed`: its designation, where its
// brackets hold a grade, the grade with or without its "UNS ", or one of its known
// names ("06Cr19" of 0Cr18Ni9(304) by way of 06Cr19Ni10). Letter case and full-width
// forms count as they do for lookUpMaterialName.
bool nameStartsWith(const Material& m, std::string_view typed);

} // namespace velmora
