#pragma once

// The materials of a joint as someone types them: one or two names, each looked up as
// lookUpMaterialName() does. Shared by the commands that take materials and by the
// lines of a joint list, so that a name means the same everywhere.

#include <QString>
#include <QStringList>

#include <string_view>
#include <variant>

namespace velmora::cli {

struct Joint {
    // Designations; the second empty for one material, the same as the first for a
    // material joined to itself.
    std::string_view material1;
    std::string_view material2;
};

// The joint the names mean, or, in a line of its own, why they mean none: no name, a
// name that fits no material or several, more than two names.
std::variant<Joint, QString> jointNamed(const QStringList& names);

} // namespace velmora::cli
