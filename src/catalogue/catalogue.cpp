#include "catalogue/catalogue.h"

namespace velmora {
namespace {

constexpr bool indexesRunInOrder() {
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        if (kMaterials[i].index != static_cast<int>(i + 1)) {
            return false;
        }
    }
    return true;
}

constexpr bool designationsAreUnique() {
    for (std::size_t i = 1; i < detail::kByDesignation.size(); ++i) {
        if (kMaterials[detail::kByDesignation[i - 1]].designation ==
            kMaterials[detail::kByDesignation[i]].designation) {
            return false;
        }
    }
    return true;
}

// Each group's members are a run of the catalogue, in row order, and the runs tile
// the catalogue up to 904L, which is no group's member and is listed after the last
// row of "TG".
constexpr bool groupsTileTheCatalogue() {
    std::size_t next = 0;
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        if (kGroups[g].id != static_cast<GroupId>(g) || kGroups[g].firstMember != next) {
            return false;
        }
        int row = 1;
        for (const Material& m : members(kGroups[g])) {
            if (m.group != kGroups[g].id || m.row != row++) {
                return false;
            }
        }
        next += kGroups[g].memberCount;
    }
    const Material& last = kMaterials.back();
    return next == kMaterials.size() - 1 && last.group == GroupId::TG &&
           last.row == static_cast<int>(group(GroupId::TG).memberCount) + 1;
}

static_assert(indexesRunInOrder());
static_assert(designationsAreUnique());
static_assert(groupsTileTheCatalogue());

} // namespace
} // namespace velmora
