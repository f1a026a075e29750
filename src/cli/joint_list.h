#pragma once

// A joint list as an engineer keeps it in a spreadsheet, one joint a line. Cells are
// separated by commas (quoted as RFC 4180 says where a cell holds one:
// "Q235-B,C") or, on a line that holds a tab, by tabs only. Blank lines and lines
// beginning with "#" are passed over.
//
// Which cells name the materials: the columns given (--columns), else those the
// header heads as base materials ("母材1", "材料", "Material 2", "base metal"), else
// every cell, as in a bare list of one or two names a line. A header is a first line
// that names no material and heads a column so, or has a cell holding "材" or
// "material". Every other column (a joint number, a note) is carried along unchanged.
// A line whose material cells are all empty is passed over; a cell naming two
// materials apart with a full-width comma ("16MnR，304") names both.

#include "cli/joint_names.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace velmora::cli {

// The material columns asked for: by number (from 1) or by their heading.
struct ColumnChoice {
    std::vector<int> numbers;
    QStringList headings;
};

// "2,3" or "母材1,母材2": one or two columns; nullopt when the text gives none, more
// than two, a number below 1 or the same column twice.
std::optional<ColumnChoice> columnChoice(const QString& text);

struct JointList {
    // The columns carried along: their number (from 1) and heading (empty where the
    // list has no header).
    struct Column {
        int number = 0;
        QString heading;
    };
    struct Entry {
        int line = 0; // from 1
        Joint joint;
        QStringList carried; // a cell for each carried column, as written
    };
    struct Fault {
        int line = 0;
        QString reason;
    };
    std::vector<Column> carried;
    std::vector<Entry> joints; // in the list's order
    std::vector<Fault> faults; // every line that names no joint, in order
};

JointList readJointList(const QString& text, const ColumnChoice& choice = {});

} // namespace velmora::cli
