#include "catalogue/name_folding.h"

#include "catalogue/material_names.h"

#include <algorithm>

namespace velmora {

// Spaces around a name are never part of it; after folding, the ideographic space is
// one too. A no-break space (C2 A0) comes from spreadsheets.
std::string_view trimmed(std::string_view text) noexcept {
    const auto isSpace = [](std::string_view t, std::size_t at) {
        return t[at] == ' ' || t[at] == '\t';
    };
    for (;;) {
        if (!text.empty() && isSpace(text, 0)) {
            text.remove_prefix(1);
        } else if (text.starts_with("\xC2\xA0")) {
            text.remove_prefix(2);
        } else if (!text.empty() && isSpace(text, text.size() - 1)) {
            text.remove_suffix(1);
        } else if (text.ends_with("\xC2\xA0")) {
            text.remove_suffix(2);
        } else {
            return text;
        }
    }
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
        out.push_back(c < 0x80 ? static_cast<char32_t>(lowerAscii(static_cast<char>(c))) : c);
        i += length;
    }
    return out;
}

bool isUtf8(std::string_view text) noexcept {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        char32_t c = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            c = (c << 6) | (next & 0x3Fu);
        }
        const char32_t least = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
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

// The letters, digits and other characters of a name without its ASCII signs and
// spaces: "q235bc" of "Q235-B,C", as someone writes it in a hurry.
std::vector<char32_t> skeleton(std::vector<char32_t> name) {
    std::erase_if(name, [](char32_t c) {
        return c < 0x80 && !(c >= '0' && c <= '9') && !(c >= 'a' && c <= 'z');
    });
    return name;
}

} // namespace velmora
