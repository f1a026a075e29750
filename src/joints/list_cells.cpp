#include "joints/list_cells.h"

#include "catalogue/name_folding.h"

#include <algorithm>

namespace velmora {
namespace {

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t\r") == std::string_view::npos;
}

char separatorOf(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        if (!blank(line)) {
            return line.find('\t') != std::string_view::npos ? '\t' : ',';
        }
        at = end + 1;
    }
    return ',';
}

bool holdsAnything(const ListRow& row) {
    return std::any_of(row.cells.begin(), row.cells.end(),
                       [](const std::string& c) { return !blank(c); });
}

} // namespace

ListBytes listBytes(std::string_view file) noexcept {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    const bool marked = file.starts_with(kMark);
    const std::string_view bytes = marked ? file.substr(kMark.size()) : file;
    if (isUtf8(bytes)) {
        return {ListEncoding::Utf8, bytes};
    }
    return {marked ? ListEncoding::Unreadable : ListEncoding::Gb18030, bytes};
}

std::vector<ListRow> listRows(std::string_view text, std::vector<ListFault>& faults) {
    const char separator = separatorOf(text);
    std::vector<ListRow> rows;
    int line = 1;
    ListRow row{line, {std::string()}};
    bool quoted = false;
    int quoteOpened = 0;
    const auto endRow = [&] {
        std::string& last = row.cells.back();
        if (!last.empty() && last.back() == '\r') {
            last.pop_back();
        }
        const std::string first = row.cells.front().substr(
            std::min(row.cells.front().find_first_not_of(" \t"), row.cells.front().size()));
        if (holdsAnything(row) && !first.starts_with('#')) {
            rows.push_back(std::move(row));
        }
        row = ListRow{line, {std::string()}};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& cell = row.cells.back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') {
                    ++line;
                    // A line break inside a cell is kept as the spreadsheet shows it.
                    if (!cell.empty() && cell.back() == '\r') {
                        cell.pop_back();
                    }
                }
                cell += c;
            }
        } else if (c == '"' && blank(cell)) {
            cell.clear();
            quoted = true;
            quoteOpened = line;
        } else if (c == separator) {
            row.cells.emplace_back();
        } else if (c == '\n') {
            endRow();
            ++line;
            row.line = line;
        } else {
            cell += c;
        }
    }
    if (quoted) {
        faults.push_back({quoteOpened, "引号没有闭合：从这一行起到清单末尾都读成了一格"});
        return rows;
    }
    endRow();
    return rows;
}

} // namespace velmora
