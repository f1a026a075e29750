#include "joints/workbook_cells.h"

#include "joints/general_number.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <utility>

namespace velmora {
namespace {

struct Place {
    std::size_t row = 0;    // from 1
    std::size_t column = 0; // from 1
};

// "B3" → row 3, column 2; nullopt for anything else or past the sheet's limits.
std::optional<Place> placeOf(std::string_view ref) {
    std::size_t i = 0;
    std::size_t column = 0;
    while (i < ref.size() &&
           ((ref[i] >= 'A' && ref[i] <= 'Z') || (ref[i] >= 'a' && ref[i] <= 'z'))) {
        column = column * 26 + static_cast<std::size_t>((ref[i] | 0x20) - 'a' + 1);
        if (column > kSheetColumnsAtMost) {
            return std::nullopt;
        }
        ++i;
    }
    std::size_t row = 0;
    const auto [end, error] = std::from_chars(ref.data() + i, ref.data() + ref.size(), row);
    if (column == 0 || error != std::errc() || end != ref.data() + ref.size() || row == 0) {
        return std::nullopt;
    }
    return Place{row, column};
}

std::optional<std::size_t> numberOf(std::string_view text) {
    std::size_t n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n == 0) {
        return std::nullopt;
    }
    return n;
}

// Excel writes a character XML cannot hold as _xHHHH_ (its code in hex), and "_x"
// itself as _x005F_x: taken back here.
std::string unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned code = 0;
        const bool escape =
            text.substr(i).starts_with("_x") && i + 7 <= text.size() && text[i + 6] == '_' &&
            std::from_chars(text.data() + i + 2, text.data() + i + 6, code, 16).ptr ==
                text.data() + i + 6;
        if (!escape) {
            out += text[i];
            continue;
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
        i += 6;
    }
    return out;
}

// The cell's text as Excel shows it; nullopt for a shared string that is not there.
std::optional<std::string> cellText(const SheetCell& cell, const SheetContent& sheet) {
    if (cell.type == "s") {
        const std::optional<std::size_t> index =
            cell.text == "0" ? std::optional<std::size_t>(0) : numberOf(cell.text);
        if (!index || *index >= sheet.sharedStrings.size()) {
            return std::nullopt;
        }
        return unescaped(sheet.sharedStrings[*index]);
    }
    if (cell.type == "b") {
        return cell.text == "1" ? "TRUE" : "FALSE";
    }
    if (cell.type.empty() || cell.type == "n") {
        return generalNumberText(cell.text);
    }
    return unescaped(cell.text); // inline strings, formula results, errors, ISO dates
}

} // namespace

std::string damagedWorkbookText(std::string_view why) {
    return "工作簿已损坏或不完整（" + std::string(why) + "）；" + std::string(kSaveAsAdvice);
}

std::string unreadableFileText(bool oldExcel) {
    return std::string(oldExcel ? "这是旧版 Excel 工作簿（.xls），读不了"
                                : "既不是 UTF-8 或 GB18030 文本，也不是 .xlsx 工作簿") +
           "；" + std::string(kSaveAsAdvice);
}

std::variant<std::vector<ListRow>, std::string> sheetRows(const SheetContent& sheet) {
    if (sheet.rows.size() > kSheetRowsAtMost) {
        return "工作表超过 " + std::to_string(kSheetRowsAtMost) + " 行";
    }
    // Row number → column → text; rows and cells that skip their reference follow the
    // one before.
    std::map<std::size_t, std::map<std::size_t, std::string>> grid;
    std::size_t rowNumber = 0;
    for (const SheetRow& row : sheet.rows) {
        if (row.ref.empty()) {
            ++rowNumber;
        } else if (const auto n = numberOf(row.ref); n && *n > rowNumber) {
            rowNumber = *n;
        } else {
            return "行号“" + row.ref + "”有误或重复";
        }
        if (rowNumber > 1048576) {
            return "行号超出工作表的范围";
        }
        std::size_t column = 0;
        for (const SheetCell& cell : row.cells) {
            if (cell.ref.empty()) {
                ++column;
            } else if (const auto place = placeOf(cell.ref);
                       place && place->row == rowNumber && place->column > column) {
                column = place->column;
            } else {
                return "单元格位置“" + cell.ref + "”有误";
            }
            if (column > kSheetColumnsAtMost) {
                return "单元格超出工作表的范围";
            }
            std::optional<std::string> text = cellText(cell, sheet);
            if (!text) {
                return "单元格 " + cell.ref + " 指向不存在的共享字符串";
            }
            if (!text->empty()) {
                grid[rowNumber][column] = std::move(*text);
            }
        }
    }
    // A merged range shows its first cell's text over the whole range: a material or a
    // note merged down several joints belongs to each of them. Only as far as the
    // sheet's own rows and columns reach, and only so many cells in all: a range over
    // the whole sheet, or thousands of them, fill no more than the sheet holds.
    std::size_t lastRow = grid.empty() ? 0 : grid.rbegin()->first;
    std::size_t lastColumn = 0;
    for (const auto& [number, cells] : grid) {
        lastColumn = std::max(lastColumn, cells.rbegin()->first);
    }
    std::size_t filled = 0;
    for (const std::string& merge : sheet.merges) {
        const std::size_t colon = merge.find(':');
        const auto from = placeOf(std::string_view(merge).substr(0, colon));
        const auto to =
            colon == std::string::npos ? from : placeOf(std::string_view(merge).substr(colon + 1));
        if (!from || !to || to->row < from->row || to->column < from->column) {
            return "合并单元格“" + merge + "”有误";
        }
        const auto row = grid.find(from->row);
        if (row == grid.end() || !row->second.contains(from->column)) {
            continue;
        }
        const std::string text = row->second.at(from->column);
        const std::size_t bottom = std::min(to->row, lastRow);
        const std::size_t right = std::min(to->column, lastColumn);
        filled += (bottom - from->row + 1) * (right - from->column + 1);
        if (filled > kMergedCellsAtMost) {
            return "合并单元格超过 " + std::to_string(kMergedCellsAtMost) + " 格";
        }
        for (std::size_t r = from->row; r <= bottom; ++r) {
            for (std::size_t c = from->column; c <= right; ++c) {
                grid[r][c] = text;
            }
        }
    }
    if (grid.size() > kSheetRowsAtMost) {
        return "工作表超过 " + std::to_string(kSheetRowsAtMost) + " 行";
    }
    std::vector<ListRow> rows;
    for (auto& [number, cells] : grid) {
        ListRow row{static_cast<int>(number), {}};
        row.cells.resize(cells.rbegin()->first);
        for (auto& [column, text] : cells) {
            row.cells[column - 1] = std::move(text);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace velmora
