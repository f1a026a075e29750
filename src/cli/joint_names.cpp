#include "cli/joint_names.h"

#include "catalogue/material_names.h"
#include "qtext/core_text.h"

#include <array>
#include <span>

namespace velmora::cli {
namespace {

QString quoted(std::span<const Material* const> materials) {
    QStringList names;
    for (const Material* m : materials) {
        names << QStringLiteral("“%1”").arg(toQString(m->designation));
    }
    return names.join(QStringLiteral("、"));
}

} // namespace

std::variant<Joint, QString> jointNamed(const QStringList& names) {
    if (names.isEmpty()) {
        return QStringLiteral("请给出一种或两种材料");
    }
    if (names.size() > 2) {
        return QStringLiteral("最多两种材料");
    }
    std::array<const Material*, 2> found{};
    for (qsizetype i = 0; i < names.size(); ++i) {
        const NameLookup lookup = lookUpMaterialName(names[i].toStdString());
        if (lookup.material == nullptr) {
            return lookup.ambiguous ? QStringLiteral("“%1”可指多种材料：%2")
                                          .arg(names[i], quoted(lookup.candidates))
                                    : QStringLiteral("没有名为“%1”的材料，最接近的是：%2")
                                          .arg(names[i], quoted(lookup.candidates));
        }
        found[static_cast<std::size_t>(i)] = lookup.material;
    }
    return Joint{found[0]->designation,
                 found[1] != nullptr ? found[1]->designation : std::string_view{}};
}

} // namespace velmora::cli
