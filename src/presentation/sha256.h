#pragma once

// SHA-256 (FIPS 180-4), for the rule base's fingerprint: the desktop, the command line
// and the page all take it from here, so the page needs no Web Crypto (which a browser
// offers only over https or on the machine itself).

#include <string>
#include <string_view>

namespace velmora {

// The digest of `bytes` as 64 lower-case hex digits.
std::string sha256Hex(std::string_view bytes);

} // namespace velmora
