// A typed name of any bytes: looked up, explained, searched by its start and typed key
// by key into type-to-find.

#include "catalogue/name_texts.h"
#include "catalogue/type_ahead.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const NameLookup lookup = lookUpMaterialName(typed);
    if (lookup.material == nullptr && nameProblemText(typed, lookup).empty()) {
        __builtin_trap(); // a name that names nothing is always said why
    }
    if (lookup.material != nullptr && lookup.material != materialNamed(typed)) {
        __builtin_trap(); // the two look-ups must agree
    }
    (void)nameExplanation(typed, lookup);
    static const std::array<const Material*, kMaterialCount> order = [] {
        std::array<const Material*, kMaterialCount> o{};
        for (std::size_t i = 0; i < kMaterialCount; ++i) {
            o[i] = &kMaterials[i];
        }
        return o;
    }();
    TypeAhead typing(order);
    const Material* at = nullptr;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        at = typing.type(typed.substr(i, 1), std::chrono::milliseconds(i * 100), at);
    }
    (void)typing.erase(std::chrono::milliseconds(typed.size() * 100), at);
    return 0;
}
