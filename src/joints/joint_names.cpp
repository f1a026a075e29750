#include "joints/joint_names.h"

#include "catalogue/name_texts.h"

#include <array>

namespace velmora {

std::variant<Joint, std::string> jointNamed(std::span<const std::string> names) {
    if (names.empty()) {
        return std::string(kNoMaterialGiven);
    }
    if (names.size() > 2) {
        return std::string(kTwoMaterialsAtMost);
    }
    std::array<const Material*, 2> found{};
    std::vector<Translation> translations;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const NameLookup lookup = lookUpMaterialName(names[i]);
        if (lookup.material == nullptr) {
            return nameProblemText(names[i], lookup);
        }
        found[i] = lookup.material;
        if (lookup.known != nullptr) {
            translations.push_back({names[i], lookup.known});
        }
    }
    return Joint{found[0]->designation,
                 found[1] != nullptr ? found[1]->designation : std::string_view{},
                 std::move(translations)};
}

} // namespace velmora
