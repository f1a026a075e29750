#pragma once

// The materials of a joint as someone types them: one or two names, each looked up as
// lookUpMaterialName() does. Shared by the commands that take materials and by the
// lines of a joint list, so that a name means the same everywhere.

#include "catalogue/material_names.h"

#include <QString>
#include <QStringList>

#include <string_view>
#include <variant>
#include <vector>

namespace velmora::cli {

struct Joint {
    // Designations; the second empty for one material, the same as the first for a
    // material joined to itself.
    std::string_view material1;
    std::string_view material2;
    // The names read by way of the known names ("Q345R" as 16MnR), in the order given.
    std::vector<Translation> translations;
};

// The joint the names mean, or, in a line of its own, why they mean none: no name, a
// name that fits no material or several, more than two names.
std::variant<Joint, QString> jointNamed(const QStringList& names);

} // namespace velmora::cli
