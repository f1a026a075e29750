#pragma once

// Finding a material by typing the start of its name, as a list's keyboard search
// does. Keys typed less than a pause apart make one search text; after a pause the
// next key starts a new one. The search runs from the material that has focus, in
// the order the caller gives (the windows' Tab order), and wraps round; a whole name
// ("316", "0Cr18Ni9") goes to its material wherever the search starts. The same
// letter typed again moves on to the next material that starts with it.

#include "catalogue/catalogue.h"

#include <chrono>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

class TypeAhead {
public:
    static constexpr std::chrono::milliseconds kPause{1000};

    // `order` must outlive this object.
    explicit TypeAhead(std::span<const Material* const> order) noexcept
        : order_(order) {}

    // `text` typed at `when` (any steady clock of the caller's), with `current` the
    // material that has focus, or null. The material to move to; null when none starts
    // with what has been typed.
    const Material* type(std::string_view text, std::chrono::milliseconds when,
                         const Material* current);
    // Backspace: the search text less its last character, searched again from
    // `current`. Null, and nothing typed, after a pause.
    const Material* erase(std::chrono::milliseconds when, const Material* current);

    // What has been typed since the last pause, as typed.
    const std::string& typed() const noexcept { return typed_; }

private:
    void forgetAfterPause(std::chrono::milliseconds when);
    const Material* find(std::string_view text, const Material* current) const;
    const Material* search(std::string_view text, const Material* current, bool after) const;

    std::span<const Material* const> order_;
    std::string typed_;
    std::chrono::milliseconds last_{};
};

} // namespace velmora
