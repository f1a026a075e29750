#pragma once

// Answer rows as people and programs read them: text, JSON, TSV or CSV.

#include "answers/answer_row.h"

#include <QByteArray>

#include <span>
#include <string>

namespace velmora::answers {

// Whether the rows' line numbers are written, as a first column "line".
enum class LineColumn { Without, With };

// A line naming the process, then its three texts, or "未查询到合适的焊材"; an
// empty line between processes.
QByteArray asText(std::span<const AnswerRow> rows);
// An array of objects: process, materials, outcome, texts, and the rule base's
// fingerprint as "rules" (with the line column, "line" too).
QByteArray asJson(std::span<const AnswerRow> rows, LineColumn lines = LineColumn::Without);
// A header line, then process, material 1, material 2, outcome and the three texts.
// CSV begins with the UTF-8 byte-order mark, for Excel, and quotes as RFC 4180 does
// (CRLF line ends); TSV never quotes, so a field holding a tab or a line break cannot
// be written: asTsv then returns an empty array and names the field in `problem`.
QByteArray asCsv(std::span<const AnswerRow> rows, LineColumn lines = LineColumn::Without);
QByteArray asTsv(std::span<const AnswerRow> rows, std::string* problem,
                 LineColumn lines = LineColumn::Without);

} // namespace velmora::answers
