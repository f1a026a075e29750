#include "catalogue/type_ahead.h"

#include "catalogue/material_names.h"

#include <algorithm>
#include <cstddef>

namespace velmora {
namespace {

// The length of the last UTF-8 character of `text` (1 for a stray byte).
std::size_t lastCharacterLength(std::string_view text) {
    std::size_t n = 1;
    while (n < text.size() && n < 4 &&
           (static_cast<unsigned char>(text[text.size() - n]) & 0xC0) == 0x80) {
        ++n;
    }
    return n;
}

// "sss" (or "sSs"): one character typed again and again, which steps through the
// materials that start with it.
bool oneCharacterRepeated(std::string_view text) {
    const std::size_t length = lastCharacterLength(text);
    if (text.size() <= length || text.size() % length != 0) {
        return false;
    }
    for (std::size_t i = length; i < text.size(); ++i) {
        if (lowerAscii(text[i]) != lowerAscii(text[i % length])) {
            return false;
        }
    }
    return true;
}

} // namespace

void TypeAhead::forgetAfterPause(std::chrono::milliseconds when) {
    if (!typed_.empty() && when - last_ >= kPause) {
        typed_.clear();
    }
    last_ = when;
}

const Material* TypeAhead::type(std::string_view text, std::chrono::milliseconds when,
                                const Material* current) {
    forgetAfterPause(when);
    typed_ += text;
    if (oneCharacterRepeated(typed_)) {
        const std::string_view one =
            std::string_view(typed_).substr(typed_.size() - lastCharacterLength(typed_));
        return search(one, current, true);
    }
    return find(typed_, current);
}

const Material* TypeAhead::erase(std::chrono::milliseconds when, const Material* current) {
    forgetAfterPause(when);
    if (typed_.empty()) {
        return nullptr;
    }
    typed_.resize(typed_.size() - lastCharacterLength(typed_));
    return typed_.empty() ? nullptr : find(typed_, current);
}

// A whole name means its material wherever the focus is ("316" is 0Cr17Ni12Mo2(316),
// not 00Cr17Ni14Mo2(316L) that follows it), as it does on the command line. Else the
// first name that starts so; a search text that grows still fits the material it
// found last, so it stays.
const Material* TypeAhead::find(std::string_view text, const Material* current) const {
    if (const Material* named = materialNamed(text)) {
        return named;
    }
    return search(text, current, false);
}

const Material* TypeAhead::search(std::string_view text, const Material* current,
                                  bool after) const {
    const auto at = std::find(order_.begin(), order_.end(), current);
    std::size_t start = at == order_.end() ? 0 : static_cast<std::size_t>(at - order_.begin());
    if (after && at != order_.end()) {
        ++start;
    }
    for (std::size_t k = 0; k < order_.size(); ++k) {
        const Material* m = order_[(start + k) % order_.size()];
        if (nameStartsWith(*m, text)) {
            return m;
        }
    }
    return nullptr;
}

} // namespace velmora
