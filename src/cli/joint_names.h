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
    std::string_view material1; // designations; the second empty for one material
    std::string_view material2;
};

// The joint the names mean, or, in a line of its own, why they mean none: a name that
// fits no material or several, more than two names, the same material twice.
std::variant<Joint, QString> jointNamed(const QStringList& names);

} // namespace velmora::cli
