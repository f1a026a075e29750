#pragma once

// The names drawings, plate certificates and pipe lists write today for the
// catalogue's materials, each with the standard that makes it the same grade: the
// grade as the current Chinese standards renamed it (GB/T 20878-2007, GB/T 713-2008,
// GB/T 1591-2018), its unified numbering code, the foreign grade and the quality
// letters and product suffixes the catalogue folds into one row. Reviewed row by row;
// nothing is added by analogy, since a wrong translation is a wrong consumable.
//
// A row without a designation is a name that must not be read as any material: the
// fact says why, and `couldMean` the materials the writer may have meant.
//
// The rows are kept by family, each family in a header of its own; kKnownNames is
// them one after another, in the order the names listing and the look-up read them.

#include "catalogue/catalogue.h"
#include "catalogue/known_name.h"
#include "catalogue/known_names_alloys.h"
#include "catalogue/known_names_refused.h"
#include "catalogue/known_names_stainless.h"
#include "catalogue/known_names_steels.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace velmora {

namespace detail {
template <std::size_t... N>
constexpr std::array<KnownName, (N + ...)> joined(const std::array<KnownName, N>&... parts) {
    std::array<KnownName, (N + ...)> all{};
    std::size_t at = 0;
    const auto append = [&all, &at](const auto& part) {
        for (const KnownName& k : part) {
            all[at++] = k;
        }
    };
    (append(parts), ...);
    return all;
}
} // namespace detail

inline constexpr std::array<KnownName, 112> kKnownNames = detail::joined(
    known_names::kSteels, known_names::kStainless, known_names::kAlloys, known_names::kRefused);

namespace detail {
constexpr bool knownNamesFitTheCatalogue() {
    for (const KnownName& k : kKnownNames) {
        const bool refused = k.kind == NameKind::Refused;
        if (refused != k.designation.empty() || (!refused && indexOf(k.designation) == 0) ||
            (!refused && !k.couldMean[0].empty())) {
            return false;
        }
        for (std::string_view meant : k.couldMean) {
            if (!meant.empty() && indexOf(meant) == 0) {
                return false;
            }
        }
    }
    return true;
}
} // namespace detail

// Every designation a row gives, or may mean, is one of the catalogue's own.
static_assert(detail::knownNamesFitTheCatalogue());

} // namespace velmora
