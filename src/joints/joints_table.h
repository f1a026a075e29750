#pragma once

// A joint list answered as a spreadsheet keeps it: a row per row of the list, its
// carried cells, 材料1, 材料2, where any name was translated what it was read as
// (名称换算), then for each process asked for its three fields, headed by the
// process's caption and the field's label ("焊条电弧焊(SMAW) 焊条型号") and holding the
// text after that label. Written as CSV or tab-separated text here, and as a
// workbook's sheet by workbook_parts.h.

#include "joints/joint_list.h"
#include "presentation/processes.h"

#include <span>
#include <string>
#include <vector>

namespace velmora {

struct JointsTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<int> lines;  // each row's line in the list
    std::size_t carried = 0; // the first columns that are the list's own
};

inline constexpr std::string_view kUnfilledText = "未填写材料";

// A carried column's heading: the list's own, or "第 4 列" where the list has none.
std::string carriedHeading(const JointList::Column& column);

JointsTable jointsTable(const JointList& list, std::span<const Process> processes);

// CSV as Excel opens it: the UTF-8 byte-order mark, CRLF line ends, quoted as RFC 4180
// says. A carried cell that begins with "=", "+", "-", "@", a tab or a carriage return
// gets a leading apostrophe, so that Excel shows it as text and never evaluates it.
std::string csvText(const JointsTable& table);
// Tab-separated as Excel copies it: a cell holding a tab, a line break or a quote is
// quoted, with "" for a quote inside.
std::string tsvText(const JointsTable& table);

} // namespace velmora
