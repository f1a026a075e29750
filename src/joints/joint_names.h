#pragma once

// The materials of a joint as someone writes them: one or two names, each looked up as
// lookUpMaterialName() does. Shared by every face that takes materials and by the
// lines of a joint list, so that a name means the same everywhere.

#include "catalogue/material_names.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

struct Joint {
    // Designations; the second empty for one material, the same as the first for a
    // material joined to itself.
    std::string_view material1;
    std::string_view material2;
    // The names read by way of the known names ("Q345R" as 16MnR), in the order given.
    std::vector<Translation> translations;
};

inline constexpr std::string_view kNoMaterialGiven = "请给出一种或两种材料";
inline constexpr std::string_view kTwoMaterialsAtMost = "最多两种材料";

// A name as it was written, and what it was read as.
struct ReadName {
    std::string written;
    NameLookup lookup;
};

// The joint of one or two names that each name a material.
Joint jointOf(std::span<const ReadName> names);

// The joint the names mean, or, in a sentence, why they mean none: no name, a name
// that fits no material or several, more than two names.
std::variant<Joint, std::string> jointNamed(std::span<const std::string> names);

} // namespace velmora
