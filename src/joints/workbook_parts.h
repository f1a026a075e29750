#pragma once

// The answered joint list as a workbook: the parts of an .xlsx package, each its path
// in the package and its XML, for each face to zip with its own tools. One worksheet
// holds the joints layout; its header row is bold and frozen, every column is wide
// enough for its longest text, and every cell is an inline string, so that nothing a
// list holds ("=1+1", "0012", "1E3") is ever evaluated or turned into a number.

#include "joints/joints_table.h"

#include <string>
#include <vector>

namespace velmora {

struct WorkbookPart {
    std::string path; // "xl/worksheets/sheet1.xml"
    std::string xml;
};

inline constexpr std::string_view kAnswersSheetName = "焊材答案";

std::vector<WorkbookPart> workbookParts(const JointsTable& table);

} // namespace velmora
