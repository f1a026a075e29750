#pragma once

// Answer rows as people and programs read them: text, JSON, TSV or CSV, a row per
// joint and process; and a joint list's rows as JSON, every process's answer beside
// each.

#include "joints/joints_table.h"
#include "presentation/answer_rows.h"

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

// A row per row of a joint list (joints_table.h has its CSV and tab-separated forms):
// line, carried, materials, translations, rules, and "answers", an object per process
// as asJson writes it (without line, carried and rules); a row that names no material
// yet has no answers and "unfilled": "未填写材料".
QByteArray jointsAsJson(const JointList& list, std::span<const Process> processes);

} // namespace velmora::answers
