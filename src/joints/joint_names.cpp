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
    std::vector<ReadName> read;
    for (const std::string& name : names) {
        NameLookup lookup = lookUpMaterialName(name);
        if (lookup.material == nullptr) {
            return nameProblemText(name, lookup);
        }
        read.push_back({name, std::move(lookup)});
    }
    return jointOf(read);
}

Joint jointOf(std::span<const ReadName> names) {
    Joint joint;
    for (std::size_t i = 0; i < names.size() && i < 2; ++i) {
        const NameLookup& lookup = names[i].lookup;
        (i == 0 ? joint.material1 : joint.material2) = lookup.material->designation;
        if (lookup.known != nullptr) {
            joint.translations.push_back({names[i].written, lookup.known});
        }
    }
    return joint;
}

} // namespace velmora
