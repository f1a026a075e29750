#include "joints/joint_list.h"

#include "catalogue/name_texts.h"
#include "joints/list_layout.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <utility>

namespace velmora {
namespace {

using namespace list_layout;

// What stands between two materials in one cell, as drawings and lists write a
// dissimilar joint.
constexpr std::array<std::string_view, 5> kJoiners{"，", "、", "+", "＋", "/"};

// The names a material cell holds: one, or several apart with a joiner where every part
// names a material. A cell that names a material whole stays whole ("Q235-B，C",
// "15CrMo(G、R)"), and so does one that cannot be split into names, to be reported as
// it is.
std::optional<std::vector<ReadName>> split(std::string_view text) {
    text = trimSpaces(text);
    if (NameLookup whole = readMaterialName(text); whole.material != nullptr) {
        return std::vector<ReadName>{{std::string(text), std::move(whole)}};
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        for (std::string_view joiner : kJoiners) {
            if (!text.substr(i).starts_with(joiner)) {
                continue;
            }
            const std::string_view head = trimSpaces(text.substr(0, i));
            if (NameLookup first = readMaterialName(head); first.material != nullptr) {
                if (auto rest = split(text.substr(i + joiner.size()))) {
                    rest->insert(rest->begin(), {std::string(head), std::move(first)});
                    return rest;
                }
            }
        }
    }
    return std::nullopt;
}

// The names a material cell holds, each read once; a cell that names nothing is one
// name that names nothing.
std::vector<ReadName> namesIn(std::string_view cell) {
    if (blank(cell)) {
        return {};
    }
    if (auto names = split(cell)) {
        return std::move(*names);
    }
    return {{std::string(trimSpaces(cell)), NameLookup{}}};
}

// A name that names nothing, and how the row could be mended.
std::string nameFault(std::size_t column, const std::string& name) {
    const NameLookup lookup = lookUpMaterialName(name);
    std::string reason = cellSaid(column, name) + "：" + nameProblemText(name, lookup);
    const std::size_t space = trimSpaces(name).find(' ');
    if (space != std::string_view::npos) {
        const std::string_view whole = trimSpaces(name);
        if (namesAMaterial(whole.substr(0, space)) && namesAMaterial(whole.substr(space + 1))) {
            reason += "；两种材料请用“，”或“+”隔开，如“" + std::string(whole.substr(0, space)) +
                      "，" + std::string(trimSpaces(whole.substr(space + 1))) + "”";
        }
    }
    return reason;
}

} // namespace

JointList readJointList(std::vector<ListRow> rows, const ColumnChoice& choice) {
    JointList list;
    if (rows.empty()) {
        return list;
    }
    const std::size_t first = headerRow(rows, choice);
    const Layout layout = layoutOf(rows[first].cells, choice);
    if (!layout.fault.empty()) {
        list.faults.push_back({rows[first].line, layout.fault});
        return list;
    }

    // The carried columns: every column of the list that is not a material's.
    if (layout.materials) {
        std::size_t width = 0;
        for (std::size_t r = first; r < rows.size(); ++r) {
            width = std::max(width, rows[r].cells.size());
        }
        const std::set<std::size_t> materials(layout.materials->begin(), layout.materials->end());
        for (std::size_t i = 0; i < width; ++i) {
            if (!materials.contains(i)) {
                const std::vector<std::string>& head = rows[first].cells;
                list.carried.push_back(
                    {static_cast<int>(i + 1), layout.header && i < head.size()
                                                  ? std::string(trimSpaces(head[i]))
                                                  : std::string()});
            }
        }
    }

    for (std::size_t r = layout.header ? first + 1 : first; r < rows.size(); ++r) {
        const ListRow& row = rows[r];
        std::vector<std::pair<std::size_t, std::string>> cells; // material cells holding anything
        const auto take = [&](std::size_t i) {
            if (i < row.cells.size() && !blank(row.cells[i])) {
                cells.emplace_back(i, row.cells[i]);
            }
        };
        if (layout.materials) {
            std::for_each(layout.materials->begin(), layout.materials->end(), take);
        } else {
            for (std::size_t i = 0; i < row.cells.size(); ++i) {
                take(i);
            }
        }
        std::vector<ReadName> names;
        std::optional<ListFault> fault;
        for (const auto& [column, text] : cells) {
            for (ReadName& name : namesIn(text)) {
                if (!fault && name.lookup.material == nullptr) {
                    fault = ListFault{row.line, nameFault(column, name.written)};
                }
                names.push_back(std::move(name));
            }
        }
        if (names.size() > 2) {
            std::string reason =
                std::string(kTwoMaterialsAtMost) + "，这一行读到" + cellsSaid(cells);
            if (!layout.materials) {
                reason += "；别的列请加表头（如“焊缝编号,母材1,母材2,备注”）或用 "
                          "--columns 指明材料列";
            }
            list.faults.push_back({row.line, reason});
            continue;
        }
        if (fault) {
            list.faults.push_back(*fault);
            continue;
        }
        std::vector<std::string> carried;
        for (const JointList::Column& column : list.carried) {
            const auto at = static_cast<std::size_t>(column.number - 1);
            carried.push_back(at < row.cells.size() ? row.cells[at] : std::string());
        }
        std::optional<Joint> joint;
        if (!names.empty()) {
            joint = jointOf(names);
        }
        list.entries.push_back({row.line, std::move(joint), std::move(carried)});
    }
    return list;
}

JointList readJointList(std::string_view text, const ColumnChoice& choice) {
    std::vector<ListFault> faults;
    JointList list = readJointList(listRows(text, faults), choice);
    list.faults.insert(list.faults.end(), faults.begin(), faults.end());
    std::stable_sort(list.faults.begin(), list.faults.end(),
                     [](const ListFault& a, const ListFault& b) { return a.line < b.line; });
    return list;
}

} // namespace velmora
