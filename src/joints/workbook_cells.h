#pragma once

// A workbook's worksheet as a joint list reads it. Each face unpacks the package and
// reads its XML with its platform's own tools (Qt's on the desktop, the browser's in
// the page) and hands over what the sheet says, as the sheet says it; the rules for
// turning that into rows of text are here, once: shared strings by their index,
// numbers as Excel's General format shows them, merged cells, rows and cells that skip
// their reference, and the limits a damaged or hostile sheet meets.

#include "joints/list_cells.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

struct SheetCell {
    std::string ref;  // "B3", or empty where the cell skips it
    std::string type; // its t attribute: "s", "inlineStr", "str", "b", "e", "n" or empty
    std::string text; // its <v>, or the text of its <is> for an inline string
};

struct SheetRow {
    std::string ref; // its r attribute (the row's number), or empty
    std::vector<SheetCell> cells;
};

struct SheetContent {
    std::vector<std::string> sharedStrings; // each entry's text, phonetic runs left out
    std::vector<SheetRow> rows;
    std::vector<std::string> merges; // "A1:C1"
};

inline constexpr std::size_t kSheetRowsAtMost = 100000;
inline constexpr std::size_t kSheetColumnsAtMost = 16384; // A to XFD
inline constexpr std::size_t kPartBytesAtMost = std::size_t{100} * 1000 * 1000;
inline constexpr std::size_t kMergedCellsAtMost = std::size_t{1000} * 1000; // filled by merged ranges

// "请在 Excel 中另存为 .xlsx 或 CSV": what is said of a file that is neither text nor a
// workbook Velmora reads (an old .xls, any other binary).
inline constexpr std::string_view kSaveAsAdvice = "请在 Excel 中另存为 .xlsx 或 CSV";

// Why a file cannot be read as a list at all, as every face says it: a damaged workbook
// (`why`: what is wrong with it), an old .xls, or bytes that are no text.
std::string damagedWorkbookText(std::string_view why);
std::string unreadableFileText(bool oldExcel);

// The sheet's rows with their numbers as lines, or what is wrong with the sheet.
std::variant<std::vector<ListRow>, std::string> sheetRows(const SheetContent& sheet);

} // namespace velmora
