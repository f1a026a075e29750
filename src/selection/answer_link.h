#pragma once

// The address of an answer in the page: '#' and the chosen designations, each
// percent-encoded as UTF-8, joined by '&': "#16MnR&Q235-B%2CC". Kept in the fragment,
// so that it never reaches a server and the page answers it offline as well.

#include "catalogue/catalogue.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The link to the designations, encoded as a browser's encodeURIComponent encodes.
std::string linkFor(std::span<const std::string_view> designations);

// What a link chooses. A link that chooses anything wrong chooses nothing at all, and
// `problem` says why.
struct LinkChoice {
    std::vector<const Material*> materials; // one or two, or none
    std::vector<std::string> readAs;        // for each, what a name of today's drawings was read as
    std::string problem;
};

// The materials a fragment ("#…", or without its '#') names, as people write links by
// hand: an empty part ("&&", a '&' at the end) names none, spaces around a name are not
// part of it, and the names are looked up as velmora-cli looks them up. One material
// named twice is the joint of that material with itself, which answers as the material
// alone.
LinkChoice readLink(std::string_view fragment);

} // namespace velmora
