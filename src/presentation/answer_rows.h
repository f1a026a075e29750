#pragma once

// An answer as a row of a table: the joint (one or two designations) and what one
// process answers for it. The answers come from the core; nothing here knows a rule.

#include "catalogue/material_names.h"
#include "recommend/recommend.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct AnswerRow {
    std::string_view material1; // empty when not chosen
    std::string_view material2;
    ProcessAnswer answer{};
    int line = 0; // the line of a joint list the joint stands on; 0: from no list
    std::span<const std::string> carried{};      // that line's other cells, UTF-8
    std::span<const Translation> translations{}; // the names read by way of the known names
};

// What the four processes answer for the joint, in button order. A material joined to
// itself is answered as that material alone, and shown in both columns.
std::array<AnswerRow, kProcessCount> rowsFor(std::string_view material1, std::string_view material2,
                                             int line = 0,
                                             std::span<const std::string> carried = {},
                                             std::span<const Translation> translations = {});

// "answer", "not_found" or "no_entry".
std::string_view outcomeName(const Outcome& outcome);

// Every answer the program can give, in a fixed order: for each process in button
// order the empty selection, each material alone, then each pair of two different
// materials, both in catalogue order (4 × 947).
std::vector<AnswerRow> everyAnswer();

} // namespace velmora
