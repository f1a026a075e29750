#include "joints/list_layout.h"

#include "catalogue/material_names.h"
#include "catalogue/name_folding.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace velmora {
namespace list_layout {
namespace {

std::string lowerAsciiText(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lowerAscii);
    return out;
}

// Every name of a material holds a digit (a designation's part before its brackets,
// and every known name); a heading such as "甲" or "A侧" need not.
constexpr bool everyNameHoldsADigit() {
    for (const Material& m : kMaterials) {
        if (m.designation.substr(0, m.designation.find('(')).find_first_of("0123456789") ==
            std::string_view::npos) {
            return false;
        }
    }
    for (const KnownName& k : kKnownNames) {
        if (k.name.find_first_of("0123456789") == std::string_view::npos) {
            return false;
        }
    }
    return true;
}
static_assert(everyNameHoldsADigit());

bool holdsADigit(std::string_view text) {
    return foldFullWidth(text).find_first_of("0123456789") != std::string::npos;
}

// A heading of a base material column, in Chinese or English, with or without its
// number: "母材1", "母材 2", "材料一", "Material 1", "base metal B". Not "焊材" or
// "焊接材料": those are consumables.
bool headsMaterials(std::string_view cell) {
    static constexpr std::array<std::string_view, 12> kHeadings{
        "base material", "base metal", "parent material",
        "parent metal",  "material",   "base",
        "母材",          "材料",       "材质",
        "基材",          "钢材",       "钢号"};
    const std::string text = lowerAsciiText(trimSpaces(foldFullWidth(cell)));
    for (std::string_view heading : kHeadings) {
        if (!text.starts_with(heading)) {
            continue;
        }
        std::string_view rest = text;
        rest.remove_prefix(heading.size());
        rest = trimSpaces(rest);
        if (!rest.empty() &&
            std::string_view("-_#.").find(rest.front()) != std::string_view::npos) {
            rest = trimSpaces(rest.substr(1));
        }
        const bool number =
            !rest.empty() && rest.size() <= 2 &&
            std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (rest.empty() || number || rest == "一" || rest == "二" || rest == "a" || rest == "b") {
            return true;
        }
    }
    return false;
}

// A row that looks like a header without naming a column: "材料名称".
bool labelled(const std::vector<std::string>& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const std::string& cell) {
        return cell.find("材") != std::string::npos ||
               lowerAsciiText(cell).find("material") != std::string::npos;
    });
}

bool namesNoMaterial(const std::vector<std::string>& cells) {
    return std::none_of(cells.begin(), cells.end(),
                        [](const std::string& c) { return namesAMaterial(c); });
}

Layout layoutByHeadings(const std::vector<std::string>& cells, const ColumnChoice& choice) {
    std::vector<std::size_t> columns;
    for (const std::string& wanted : choice.headings) {
        const auto at = std::find_if(cells.begin(), cells.end(), [&](const std::string& cell) {
            return sameHeading(cell, wanted);
        });
        if (at == cells.end()) {
            return {{}, false, "表头中没有“" + wanted + "”这一列"};
        }
        columns.push_back(static_cast<std::size_t>(at - cells.begin()));
    }
    return {columns, true, {}};
}

Layout layoutByNumbers(const std::vector<std::string>& cells, const ColumnChoice& choice) {
    std::vector<std::size_t> columns;
    std::vector<std::string> named;
    for (int number : choice.numbers) {
        const auto column = static_cast<std::size_t>(number - 1);
        columns.push_back(column);
        named.push_back(column < cells.size() ? cells[column] : std::string());
    }
    const bool digitless =
        std::any_of(named.begin(), named.end(), [](const std::string& t) { return !blank(t); }) &&
        std::none_of(named.begin(), named.end(), holdsADigit);
    const bool header = namesNoMaterial(named) &&
                        (digitless || labelled(cells) ||
                         std::any_of(cells.begin(), cells.end(),
                                     [](const std::string& c) { return headsMaterials(c); }));
    return {columns, header, {}};
}

Layout layoutByHeader(const std::vector<std::string>& cells) {
    if (!namesNoMaterial(cells)) {
        return {};
    }
    std::vector<std::size_t> headed;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (headsMaterials(cells[i])) {
            headed.push_back(i);
        }
    }
    if (headed.size() > 2) {
        std::vector<std::pair<std::size_t, std::string>> said;
        said.reserve(headed.size());
        for (std::size_t i : headed) {
            said.emplace_back(i, cells[i]);
        }
        return {{},
                true,
                "表头有 " + std::to_string(headed.size()) + " 列像是材料：" + cellsSaid(said) +
                    "；请用 --columns 指明哪一两列"};
    }
    if (!headed.empty()) {
        return {headed, true, {}};
    }
    return {{}, labelled(cells), {}};
}

// Whether the row is a header that names its material columns: what a title row above
// the header never is.
bool headsColumns(const std::vector<std::string>& cells, const ColumnChoice& choice) {
    const Layout layout = layoutOf(cells, choice);
    if (!choice.headings.empty()) {
        return layout.fault.empty();
    }
    if (!choice.numbers.empty()) {
        return layout.header;
    }
    return std::any_of(cells.begin(), cells.end(),
                       [](const std::string& c) { return headsMaterials(c); });
}

} // namespace

// Spaces around a cell: ASCII ones and line breaks, the no-break space and the
// ideographic space.
std::string_view trimSpaces(std::string_view text) {
    constexpr std::array<std::string_view, 6> kSpaces{" ",  "\t",       "\r",
                                                      "\n", "\xC2\xA0", "\xE3\x80\x80"};
    for (bool again = true; again;) {
        again = false;
        for (std::string_view space : kSpaces) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                again = true;
            }
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                again = true;
            }
        }
    }
    return text;
}

bool sameHeading(std::string_view a, std::string_view b) {
    return lowerAsciiText(trimSpaces(foldFullWidth(a))) ==
           lowerAsciiText(trimSpaces(foldFullWidth(b)));
}

bool blank(std::string_view text) {
    return trimSpaces(text).empty();
}

bool namesAMaterial(std::string_view text) {
    return materialNamed(text) != nullptr;
}

// "第 2 格“16MnR”"
std::string cellSaid(std::size_t column, std::string_view text) {
    return "第 " + std::to_string(column + 1) + " 格“" + std::string(trimSpaces(text)) + "”";
}

std::string cellsSaid(const std::vector<std::pair<std::size_t, std::string>>& cells) {
    std::string said;
    for (const auto& [column, text] : cells) {
        said += (said.empty() ? "" : "、") + cellSaid(column, text);
    }
    return said;
}

Layout layoutOf(const std::vector<std::string>& cells, const ColumnChoice& choice) {
    if (!choice.headings.empty()) {
        return layoutByHeadings(cells, choice);
    }
    if (!choice.numbers.empty()) {
        return layoutByNumbers(cells, choice);
    }
    return layoutByHeader(cells);
}

// The header's place: the first of the first few rows that heads its columns, where no
// row above it names a material; else the first row.
std::size_t headerRow(const std::vector<ListRow>& rows, const ColumnChoice& choice) {
    constexpr std::size_t kTitleRowsAtMost = 10;
    for (std::size_t k = 0; k < rows.size() && k <= kTitleRowsAtMost; ++k) {
        if (headsColumns(rows[k].cells, choice)) {
            return k;
        }
        if (!namesNoMaterial(rows[k].cells)) {
            break;
        }
    }
    return 0;
}

} // namespace list_layout

std::optional<ColumnChoice> columnChoice(std::string_view text) {
    using list_layout::sameHeading;
    using list_layout::trimSpaces;
    std::vector<std::string> parts{std::string()};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ',') {
            parts.emplace_back();
        } else if (text.substr(i).starts_with("，")) {
            parts.emplace_back();
            i += std::string_view("，").size() - 1;
        } else {
            parts.back() += text[i];
        }
    }
    if (parts.size() > 2) {
        return std::nullopt;
    }
    ColumnChoice choice;
    for (const std::string& whole : parts) {
        const std::string part(trimSpaces(whole));
        int n = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), n);
        if (part.empty()) {
            return std::nullopt;
        }
        if (error == std::errc() && end == part.data() + part.size()) {
            if (n < 1) {
                return std::nullopt;
            }
            choice.numbers.push_back(n);
        } else {
            choice.headings.push_back(part);
        }
    }
    const bool mixed = !choice.numbers.empty() && !choice.headings.empty();
    const bool twice =
        (choice.numbers.size() == 2 && choice.numbers[0] == choice.numbers[1]) ||
        (choice.headings.size() == 2 && sameHeading(choice.headings[0], choice.headings[1]));
    if (mixed || twice) {
        return std::nullopt;
    }
    return choice;
}

} // namespace velmora
