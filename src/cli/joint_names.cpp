#include "cli/joint_names.h"

#include "catalogue/material_names.h"
#include "catalogue/name_texts.h"
#include "qtext/core_text.h"

#include <array>
#include <string>

namespace velmora::cli {

std::variant<Joint, QString> jointNamed(const QStringList& names) {
    if (names.isEmpty()) {
        return QStringLiteral("请给出一种或两种材料");
    }
    if (names.size() > 2) {
        return QStringLiteral("最多两种材料");
    }
    std::array<const Material*, 2> found{};
    std::vector<Translation> translations;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const std::string typed = names[i].toStdString();
        const NameLookup lookup = lookUpMaterialName(typed);
        if (lookup.material == nullptr) {
            return toQString(nameProblemText(typed, lookup));
        }
        found[static_cast<std::size_t>(i)] = lookup.material;
        if (lookup.known != nullptr) {
            translations.push_back({typed, lookup.known});
        }
    }
    return Joint{found[0]->designation,
                 found[1] != nullptr ? found[1]->designation : std::string_view{},
                 std::move(translations)};
}

} // namespace velmora::cli
