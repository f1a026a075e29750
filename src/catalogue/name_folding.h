#pragma once

// Folding typed names for comparing them: full-width forms to ASCII, spaces around
// dropped, text as characters with ASCII letters in lower case, and how far apart two
// names are.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Spaces around a name are never part of it: ASCII spaces and tabs, and a no-break
// space (C2 A0), as spreadsheets leave it. (The ideographic space is folded to a space
// first.)
std::string_view trimmed(std::string_view text) noexcept;

// Full-width forms as a Chinese input method types them ("３１６Ｌ", "16Mn（Q345）",
// "UNS　N08367") folded to ASCII as NFKC does; any other bytes kept as they are.
std::string foldFullWidth(std::string_view text);

// The code points of `text`, at most `limit`, ASCII letters in lower case; a byte that
// is not part of valid UTF-8 stands for itself, above the Unicode range.
std::vector<char32_t> characters(std::string_view text, std::size_t limit);

// Whether the bytes are UTF-8 throughout: no stray continuation byte, no sequence cut
// short, no overlong form, no surrogate, nothing past U+10FFFF.
bool isUtf8(std::string_view text) noexcept;

// Edits (insert, delete or replace a character) that turn a into b.
std::size_t editDistance(const std::vector<char32_t>& a, const std::vector<char32_t>& b);

// A name without its ASCII signs and spaces: "q235bc" of "q235-b,c".
std::vector<char32_t> skeleton(std::vector<char32_t> name);

} // namespace velmora
