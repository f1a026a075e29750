#pragma once

// What the faces say of a typed name: what a name of today's drawings was read as,
// why a name names no material, and, for `velmora-cli names`, how a name names its
// material and what else it is called.

#include "catalogue/material_names.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// "06Cr19Ni10 按 GB/T 20878-2007 即 0Cr18Ni9(304)": what a known name was read as.
std::string readAsText(const KnownName& known);

// Why `typed` names no material, in a sentence: a name the known names refuse, with
// their reason and what it may mean; one that fits several materials; or one that
// fits none, with the closest. `lookup` is what lookUpMaterialName gave for it.
std::string nameProblemText(std::string_view typed, const NameLookup& lookup);

// What `typed` names and why, a sentence a line: how it names its material, then the
// material's other names of today's drawings; or why it names none.
std::vector<std::string> nameExplanation(std::string_view typed, const NameLookup& lookup);

} // namespace velmora
