#pragma once

// Material names as people type them on a command line: the designation itself, the
// designation in any letter case, or the grade in its brackets ("316L",
// "UNS N08367" or just "N08367") where that grade belongs to one material only.
// Full-width forms, as a Chinese input method types them ("３１６Ｌ"), count as their
// ASCII letters, digits, signs and spaces.

#include "catalogue/catalogue.h"

#include <string_view>
#include <vector>

namespace velmora {

struct NameLookup {
    // The material meant, or null when the name fits none or several.
    const Material* material = nullptr;
    // With no material: the materials the name fits (several), or, when it fits
    // none, the closest designations, nearest first, at most three.
    std::vector<const Material*> candidates;
    bool ambiguous = false; // the name fits every candidate
};

// Works on any bytes, valid UTF-8 or not, of any length. Letter case is ignored for
// ASCII letters only.
NameLookup lookUpMaterialName(std::string_view typed);

// Whether a name of the material starts with `typed`: its designation or, where its
// brackets hold a grade, the grade with or without its "UNS ". Letter case and
// full-width forms count as they do for lookUpMaterialName.
bool nameStartsWith(const Material& m, std::string_view typed);

} // namespace velmora
