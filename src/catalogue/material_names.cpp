#include "catalogue/material_names.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

namespace velmora {
namespace {

constexpr char lower(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool sameIgnoringCase(std::string_view a, std::string_view b) noexcept {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lower(x) == lower(y); });
}

constexpr bool startsIgnoringCase(std::string_view text, std::string_view start) noexcept {
    return start.size() <= text.size() && sameIgnoringCase(text.substr(0, start.size()), start);
}

// So that a name in the wrong letter case can only mean one material.
constexpr bool unambiguousIgnoringCase() {
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        for (std::size_t j = i + 1; j < kMaterials.size(); ++j) {
            if (sameIgnoringCase(kMaterials[i].designation, kMaterials[j].designation)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(unambiguousIgnoringCase());

// The text in a designation's brackets: "316L" of "00Cr17Ni14Mo2(316L)".
constexpr std::string_view bracketed(std::string_view designation) noexcept {
    const std::size_t open = designation.find('(');
    if (open == std::string_view::npos || designation.back() != ')') {
        return {};
    }
    return designation.substr(open + 1, designation.size() - open - 2);
}

// A UNS number is also written without its "UNS ".
constexpr std::string_view withoutUnsPrefix(std::string_view grade) noexcept {
    constexpr std::string_view kUns = "UNS ";
    return grade.starts_with(kUns) ? grade.substr(kUns.size()) : std::string_view{};
}

// The brackets hold either a grade of another standard (316L, Q345, 420J1, UNS N08367)
// or a note on the designation: F rimmed steel, 管 tube, G and R boiler and pressure
// vessel, - none. Every grade holds a digit and no note does, so "f" or "管" alone
// names nothing: it would be the note, not the material, that someone typed.
constexpr bool isGrade(std::string_view bracketText) noexcept {
    return bracketText.find_first_of("0123456789") != std::string_view::npos;
}

bool namesGrade(const Material& m, std::string_view typed) {
    const std::string_view grade = bracketed(m.designation);
    if (!isGrade(grade)) {
        return false;
    }
    const std::string_view number = withoutUnsPrefix(grade);
    return sameIgnoringCase(grade, typed) || (!number.empty() && sameIgnoringCase(number, typed));
}

// A Chinese input method types Latin letters, digits, brackets and spaces in their
// full-width forms: "３１６Ｌ", "16Mn（Q345）", "UNS　N08367". Folded to ASCII as NFKC
// does: U+FF01 to U+FF5E are U+0021 to U+007E, the ideographic space U+3000 a space.
// Whatever else the bytes hold, valid UTF-8 or not, is kept as it is: a lead byte
// never continues another character, so the three-byte forms are found byte by byte.
std::string foldFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 2 < text.size() && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD) &&
            (byte(2) & 0xC0) == 0x80) {
            // EF BC 81..BF and EF BD 80..9E: U+FF01..U+FF5E.
            const unsigned offset = (byte(1) == 0xBC ? 0u : 0x40u) + (byte(2) & 0x3Fu);
            if (offset >= 0x01 && offset <= 0x5E) {
                out.push_back(static_cast<char>(0x20 + offset));
                i += 2;
                continue;
            }
        }
        if (i + 2 < text.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            out.push_back(' ');
            i += 2;
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

// Characters for comparing names: code points, ASCII letters in lower case; a byte
// that is not part of valid UTF-8 stands for itself, above the Unicode range.
std::vector<char32_t> characters(std::string_view text, std::size_t limit) {
    std::vector<char32_t> out;
    std::size_t i = 0;
    while (i < text.size() && out.size() < limit) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        bool valid = length != 0 && i + length <= text.size();
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back(0x110000 + lead);
            ++i;
            continue;
        }
        out.push_back(c < 0x80 ? static_cast<char32_t>(lower(static_cast<char>(c))) : c);
        i += length;
    }
    return out;
}

// Edits (insert, delete or replace a character) that turn a into b. b is short (a
// designation), so one row of its length is all the memory used.
std::size_t editDistance(const std::vector<char32_t>& a, const std::vector<char32_t>& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] =
                std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

std::vector<const Material*> closest(std::string_view typed) {
    // Past a few dozen characters nothing is close; the rest need not be read.
    constexpr std::size_t kLongestUseful = 64;
    const std::vector<char32_t> name = characters(typed, kLongestUseful);
    std::vector<std::pair<std::size_t, const Material*>> ranked;
    for (const Material& m : kMaterials) {
        std::size_t d = editDistance(name, characters(m.designation, kLongestUseful));
        if (const std::string_view grade = bracketed(m.designation); !grade.empty()) {
            d = std::min(d, editDistance(name, characters(grade, kLongestUseful)));
        }
        ranked.emplace_back(d, &m);
    }
    // Ties keep catalogue order.
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<const Material*> nearest;
    for (std::size_t i = 0; i < 3; ++i) {
        nearest.push_back(ranked[i].second);
    }
    return nearest;
}

} // namespace

NameLookup lookUpMaterialName(std::string_view typedText) {
    const std::string folded = foldFullWidth(typedText);
    const std::string_view typed = folded;
    if (const Material* exact = findMaterial(typed)) {
        return {exact, {}};
    }
    for (const Material& m : kMaterials) {
        if (sameIgnoringCase(m.designation, typed)) {
            return {&m, {}};
        }
    }
    std::vector<const Material*> byGrade;
    for (const Material& m : kMaterials) {
        if (namesGrade(m, typed)) {
            byGrade.push_back(&m);
        }
    }
    if (byGrade.size() == 1) {
        return {byGrade.front(), {}};
    }
    if (!byGrade.empty()) {
        return {nullptr, std::move(byGrade), true};
    }
    return {nullptr, closest(typed)};
}

bool nameStartsWith(const Material& m, std::string_view typedText) {
    const std::string folded = foldFullWidth(typedText);
    const std::string_view typed = folded;
    if (startsIgnoringCase(m.designation, typed)) {
        return true;
    }
    const std::string_view grade = bracketed(m.designation);
    if (!isGrade(grade)) {
        return false;
    }
    const std::string_view number = withoutUnsPrefix(grade);
    return startsIgnoringCase(grade, typed) ||
           (!number.empty() && startsIgnoringCase(number, typed));
}

} // namespace velmora
