#pragma once

// What velmora-cli prints: answers and the catalogue as text, JSON, TSV or CSV. The
// answers come from recommend(); nothing here knows a rule.

#include "recommend/processes.h"
#include "recommend/recommend.h"

#include <QByteArray>

#include <span>
#include <string_view>
#include <vector>

namespace velmora::cli {

struct Answer {
    Process process;
    std::string_view material1; // empty when not chosen
    std::string_view material2;
    Outcome outcome;
};

Answer answerFor(Process process, std::string_view material1, std::string_view material2);

// "answer", "not_found" or "no_entry".
std::string_view outcomeName(const Outcome& outcome);

// Every answer the program can give, in a fixed order: for each process in button
// order the empty selection, each material alone, then each pair of two different
// materials, both in catalogue order (4 × 947).
std::vector<Answer> everyAnswer();

// A line naming the process, then its three texts, or "未查询到合适的焊材"; an
// empty line between processes.
QByteArray asText(std::span<const Answer> answers);
// An array of objects: process, materials, outcome, texts.
QByteArray asJson(std::span<const Answer> answers);
// A header line, then process, material 1, material 2, outcome and the three texts.
// CSV begins with the UTF-8 byte-order mark, for Excel, and quotes as RFC 4180 does
// (CRLF line ends); TSV never quotes, so a field holding a tab or a line break cannot
// be written: asTsv then returns an empty array and names the field in `problem`.
QByteArray asCsv(std::span<const Answer> answers);
QByteArray asTsv(std::span<const Answer> answers, std::string* problem);

// The 43 materials in catalogue order: group and designation, tab-separated, or
// objects with index, designation and group.
QByteArray materialsAsText();
QByteArray materialsAsJson();

} // namespace velmora::cli
