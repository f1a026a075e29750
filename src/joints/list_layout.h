#pragma once

// How a joint list's rows are laid out: which row is the header (below any title
// rows), which columns name the materials, and the small text rules both the layout and
// the reading of a row share. Used by joint_list.cpp only.

#include "joints/joint_list.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::list_layout {

// Spaces around a cell: ASCII ones and line breaks, the no-break space and the
// ideographic space.
std::string_view trimSpaces(std::string_view text);
bool blank(std::string_view text);
// Headings compared as people type them: any ASCII letter case, full-width forms.
bool sameHeading(std::string_view a, std::string_view b);
bool namesAMaterial(std::string_view text);

// "第 2 格“16MnR”"; several apart with "、".
std::string cellSaid(std::size_t column, std::string_view text);
std::string cellsSaid(const std::vector<std::pair<std::size_t, std::string>>& cells);

// Which columns name materials, and whether the row read is a header.
struct Layout {
    std::optional<std::vector<std::size_t>> materials; // none: every cell
    bool header = false;
    std::string fault; // the row cannot be read as the header asked for
};

Layout layoutOf(const std::vector<std::string>& cells, const ColumnChoice& choice);

// The header's place: the first of the first few rows that heads its columns, where no
// row above it names a material; else the first row.
std::size_t headerRow(const std::vector<ListRow>& rows, const ColumnChoice& choice);

} // namespace velmora::list_layout
