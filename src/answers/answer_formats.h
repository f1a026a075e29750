#pragma once

// Answer rows as people and programs read them: text, JSON, TSV or CSV, a row per
// joint and process; and, for a spreadsheet, a row per joint with every process's
// answer beside it.

#include "recommend/answer_rows.h"

#include <QByteArray>

#include <span>
#include <string>
#include <vector>

namespace velmora::answers {

// The columns of a joint list that are not materials (a joint number, a note), by
// their headings, in the list's order. Rows from a list carry its line number and
// these cells (AnswerRow::line, AnswerRow::carried), written before the answer's own
// columns.
struct ListColumns {
    std::vector<std::string> headings; // UTF-8
};

// A line naming the process, then its three texts, or "未查询到合适的焊材"; an
// empty line between processes.
QByteArray asText(std::span<const AnswerRow> rows);
// An array of objects: process, materials, outcome, texts, and the rule base's
// fingerprint as "rules"; rows from a list also have "line" and "carried", its other
// cells as an array of {"column", "text"}.
QByteArray asJson(std::span<const AnswerRow> rows, const ListColumns* list = nullptr);
// A header line, then process, material 1, material 2, outcome and the three texts;
// rows from a list begin with "line" and the list's other columns. CSV begins with
// the UTF-8 byte-order mark, for Excel, and quotes as RFC 4180 does (CRLF line ends);
// TSV never quotes, so a field holding a tab or a line break cannot be written: asTsv
// then returns an empty array and names the field in `problem`.
QByteArray asCsv(std::span<const AnswerRow> rows, const ListColumns* list = nullptr);
QByteArray asTsv(std::span<const AnswerRow> rows, std::string* problem,
                 const ListColumns* list = nullptr);

// A row per joint, as a spreadsheet keeps a joint list: the list's other columns,
// 材料1, 材料2, then for each of `processes` its three fields, headed by the process's
// caption and the field's label ("焊条电弧焊(SMAW) 焊条型号") and holding the text
// after that label; where the process has no rule, the first field says so. `rows`
// holds each joint's rows for `processes`, in that order, joint after joint.
QByteArray jointsAsCsv(std::span<const AnswerRow> rows, std::span<const Process> processes,
                       const ListColumns& list);
QByteArray jointsAsTsv(std::span<const AnswerRow> rows, std::span<const Process> processes,
                       const ListColumns& list, std::string* problem);
// The same as objects: line, carried, materials, rules, and "answers", an object per
// process as asJson writes it (without line, carried and rules).
QByteArray jointsAsJson(std::span<const AnswerRow> rows, std::span<const Process> processes,
                        const ListColumns& list);

} // namespace velmora::answers
