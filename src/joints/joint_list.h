#pragma once

// A joint list as an engineer keeps it in a spreadsheet, one joint a row (list_cells.h
// turns text into rows; a workbook's sheet gives its rows as they are).
//
// Which cells name the materials: the columns given (--columns), else those a header
// heads as base materials ("母材1", "材料", "Material 2", "base metal"), else every
// cell, as in a bare list of one or two names a row. A header is a row that names no
// material and heads a column so, or has a cell holding "材" or "material"; rows above
// it that head no column (a title, a date) are passed over. Every other column (a joint
// number, a note) is carried along unchanged. A row with no material keeps its place,
// marked unfilled, so that the answers line up with the list; a cell naming two
// materials apart with "，", "、", "+", "＋" or "/" ("16MnR，304", "16MnR+304") names
// both, where the whole cell names nothing and every part does.

#include "joints/joint_names.h"
#include "joints/list_cells.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The material columns asked for: by number (from 1) or by their heading.
struct ColumnChoice {
    std::vector<int> numbers;
    std::vector<std::string> headings;
};

// "2,3" or "母材1,母材2" (a full-width comma too): one or two columns; nullopt when the
// text gives none, more than two, a number below 1 or the same column twice.
std::optional<ColumnChoice> columnChoice(std::string_view text);

struct JointList {
    // The columns carried along: their number (from 1) and heading (empty where the
    // list has no header).
    struct Column {
        int number = 0;
        std::string heading;
    };
    struct Entry {
        int line = 0;                     // from 1
        std::optional<Joint> joint;       // none: the row names no material yet
        std::vector<std::string> carried; // a cell for each carried column, as written
    };
    std::vector<Column> carried;
    std::vector<Entry> entries;    // a row of the list each, in its order
    std::vector<ListFault> faults; // every row that names no joint, in order
};

JointList readJointList(std::vector<ListRow> rows, const ColumnChoice& choice = {});
// The text's rows (listRows), read as above; a quote left open is one more fault.
JointList readJointList(std::string_view text, const ColumnChoice& choice = {});

} // namespace velmora
