#pragma once

// A joint list's text as rows of cells, as spreadsheet programs write one: CSV as
// Excel saves it (cells apart with commas) or tab-separated text as Excel copies it
// (cells apart with tabs); either way a cell that begins with a quote is quoted, with
// "" for a quote inside, and may hold commas, tabs and line breaks. A list whose first
// line that holds anything holds a tab is tab-separated.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct ListRow {
    int line = 0; // where the row begins, from 1
    std::vector<std::string> cells;
};

struct ListFault {
    int line = 0;
    std::string reason;
};

// The rows of `text` (UTF-8, line ends LF or CRLF), blank rows and rows whose first
// cell begins with "#" left out. A quote left open takes the rest of the text: that
// is a fault, and no row is read from there.
std::vector<ListRow> listRows(std::string_view text, std::vector<ListFault>& faults);

// How a text list's bytes are read: as UTF-8 where they are UTF-8 throughout (a
// byte-order mark before them dropped); else as GB18030, as Excel saves CSV on a Chinese
// Windows; never bytes marked as UTF-8 that are not, which are damaged, not GB18030.
enum class ListEncoding { Utf8, Gb18030, Unreadable };
struct ListBytes {
    ListEncoding encoding;
    std::string_view bytes; // without the byte-order mark
};
ListBytes listBytes(std::string_view file) noexcept;

} // namespace velmora
