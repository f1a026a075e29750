#include "joints/joints_table.h"

#include "catalogue/name_texts.h"
#include "presentation/answer_rows.h"
#include "presentation/notices.h"

namespace velmora {
namespace {

// A field's content: the text after its label, or the whole text where it carries
// another label than the column's (a few SAW answers), so that nothing is put under
// a heading it does not belong to.
std::string_view content(std::string_view text, std::string_view label) {
    if (text.starts_with(label) && text.substr(label.size()).starts_with(kFieldSeparator)) {
        return text.substr(label.size() + kFieldSeparator.size());
    }
    return text;
}

void appendAnswers(std::vector<std::string>& row, const Joint& joint,
                   std::span<const Process> processes) {
    const auto every = rowsFor(joint.material1, joint.material2);
    for (Process process : processes) {
        const ProcessAnswer& answer = every[static_cast<std::size_t>(process)].answer;
        if (const auto* texts = std::get_if<Recommendation>(&answer.outcome)) {
            for (std::size_t i = 0; i < 3; ++i) {
                row.emplace_back(content((*texts)[i], processName(process).fields[i]));
            }
        } else {
            row.emplace_back(std::holds_alternative<NotFound>(answer.outcome)
                                 ? kNoConsumableText
                                 : kNoEntryNotice.text);
            row.insert(row.end(), 2, std::string());
        }
    }
}

// Whether Excel would take the cell for a formula (OWASP's list).
bool readAsFormula(std::string_view cell) {
    return !cell.empty() &&
           std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos;
}

void appendQuoted(std::string& out, std::string_view cell, std::string_view special) {
    if (cell.find_first_of(special) == std::string_view::npos) {
        out += cell;
        return;
    }
    out += '"';
    for (char c : cell) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

} // namespace

std::string carriedHeading(const JointList::Column& column) {
    return !column.heading.empty() ? column.heading : "第 " + std::to_string(column.number) + " 列";
}

JointsTable jointsTable(const JointList& list, std::span<const Process> processes) {
    JointsTable table;
    for (const JointList::Column& column : list.carried) {
        table.header.push_back(carriedHeading(column));
    }
    table.carried = table.header.size();
    table.header.insert(table.header.end(), {"材料1", "材料2"});
    bool anyRead = false;
    for (const JointList::Entry& entry : list.entries) {
        anyRead = anyRead || (entry.joint && !entry.joint->translations.empty());
    }
    if (anyRead) {
        table.header.emplace_back("名称换算");
    }
    for (Process process : processes) {
        for (std::string_view field : processName(process).fields) {
            table.header.push_back(std::string(processName(process).caption) + " " +
                                   std::string(field));
        }
    }
    for (const JointList::Entry& entry : list.entries) {
        std::vector<std::string> row = entry.carried;
        row.resize(table.carried);
        if (!entry.joint) {
            row.insert(row.end(), anyRead ? 3 : 2, std::string());
            for (std::size_t p = 0; p < processes.size(); ++p) {
                row.insert(row.end(), {std::string(kUnfilledText), {}, {}});
            }
        } else {
            row.emplace_back(entry.joint->material1);
            row.emplace_back(entry.joint->material2);
            if (anyRead) {
                std::string said;
                for (const Translation& t : entry.joint->translations) {
                    said += (said.empty() ? "" : "；") + readAsText(*t.known);
                }
                row.push_back(std::move(said));
            }
            appendAnswers(row, *entry.joint, processes);
        }
        table.rows.push_back(std::move(row));
        table.lines.push_back(entry.line);
    }
    return table;
}

std::string csvText(const JointsTable& table) {
    std::string out = "\xEF\xBB\xBF";
    const auto record = [&](const std::vector<std::string>& cells, bool guarded) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                out += ',';
            }
            const bool formula = guarded && i < table.carried && readAsFormula(cells[i]);
            appendQuoted(out, formula ? "'" + cells[i] : cells[i], ",\"\r\n");
        }
        out += "\r\n";
    };
    record(table.header, true);
    for (const auto& row : table.rows) {
        record(row, true);
    }
    return out;
}

std::string tsvText(const JointsTable& table) {
    std::string out;
    const auto record = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                out += '\t';
            }
            appendQuoted(out, cells[i], "\t\"\r\n");
        }
        out += '\n';
    };
    record(table.header);
    for (const auto& row : table.rows) {
        record(row);
    }
    return out;
}

} // namespace velmora
