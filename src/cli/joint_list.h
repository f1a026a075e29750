#pragma once

// A joint list, one joint a line: one or two materials, named as on the command line,
// separated by a comma (quoted as RFC 4180 says where a name holds one: "Q235-B,C")
// or, on a line that holds a tab, by tabs only. Blank lines, lines of empty cells and
// lines beginning with "#" are passed over, and so is a header: a first line that
// names no material and has a cell holding "材" or "material" ("材料1", "母材",
// "material1").

#include "cli/joint_names.h"

#include <QString>

#include <vector>

namespace velmora::cli {

struct JointList {
    struct Entry {
        int line = 0; // from 1
        Joint joint;
    };
    struct Fault {
        int line = 0;
        QString reason;
    };
    std::vector<Entry> joints; // in the list's order
    std::vector<Fault> faults; // every line that names no joint, in order
};

JointList readJointList(const QString& text);

} // namespace velmora::cli
