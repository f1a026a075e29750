// A workbook's sheet of any bytes, a line each: "S<text>" a shared string, "R<ref>" a
// row, "C<ref>\t<type>\t<text>" a cell of the last row, "M<ref>" a merged range. Turned
// into rows as the core turns a sheet into a list, read as a list, and each text
// also shown as Excel's General format would.

#include "joints/general_number.h"
#include "joints/joint_list.h"
#include "joints/workbook_cells.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    SheetContent sheet;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        if (line.empty()) {
            continue;
        }
        const std::string_view rest = line.substr(1);
        switch (line.front()) {
        case 'S':
            sheet.sharedStrings.emplace_back(rest);
            break;
        case 'R':
            sheet.rows.push_back({std::string(rest), {}});
            break;
        case 'M':
            sheet.merges.emplace_back(rest);
            break;
        case 'C':
            if (!sheet.rows.empty()) {
                const std::size_t tab = rest.find('\t');
                const std::size_t tab2 =
                    tab == std::string_view::npos ? tab : rest.find('\t', tab + 1);
                sheet.rows.back().cells.push_back(
                    {std::string(rest.substr(0, tab)),
                     tab == std::string_view::npos
                         ? std::string()
                         : std::string(rest.substr(tab + 1, tab2 - tab - 1)),
                     tab2 == std::string_view::npos ? std::string()
                                                    : std::string(rest.substr(tab2 + 1))});
            }
            break;
        default:
            (void)generalNumberText(line);
            break;
        }
    }
    auto rows = sheetRows(sheet);
    if (auto* read = std::get_if<std::vector<ListRow>>(&rows)) {
        (void)readJointList(std::move(*read));
    }
    return 0;
}
