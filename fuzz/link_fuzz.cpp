// A page's address of any bytes: what it chooses is at most two materials, or nothing
// with a reason; and the link to what it chose chooses the same again.

#include "selection/answer_link.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const LinkChoice choice = readLink(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!choice.problem.empty()) {
        if (!choice.materials.empty()) {
            __builtin_trap(); // a link that chooses anything wrong chooses nothing
        }
        return 0;
    }
    if (choice.materials.size() > 2 || choice.readAs.size() != choice.materials.size()) {
        __builtin_trap();
    }
    std::vector<std::string_view> designations;
    for (const Material* m : choice.materials) {
        designations.push_back(m->designation);
    }
    if (readLink(linkFor(designations)).materials != choice.materials) {
        __builtin_trap();
    }
    return 0;
}
