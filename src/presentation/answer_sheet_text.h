#pragma once

// Answers as people take them away: what the answer sheet says, line by line (the
// desktop draws it on an A4 page, the web page prints the same lines), and what
// copying one process's answer puts on the clipboard.

#include "catalogue/material_names.h"
#include "recommend/recommend.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct AnswerSheetText {
    std::string_view title;                  // "焊材选用单"
    std::vector<std::string> heading;        // the moment, then the materials, a line each
    std::array<std::string_view, 2> columns; // "焊接方法", "推荐焊材"
    struct Row {
        std::string_view process;            // the process's caption
        std::vector<std::string_view> lines; // its three texts, or why there are none
    };
    std::vector<Row> rows;   // a row per process, in button order; none with no material
    std::string_view notice; // the usage notice, at the foot
    std::string edition;     // "规则库 <version> · <fingerprint>": the rules that answered
};

inline constexpr std::string_view kAnswerSheetTitle = "焊材选用单";
// A sheet printed with no material chosen says so, in place of the materials, and has
// no rows of answers.
inline constexpr std::string_view kNothingChosenLine = "材料：未选择任何材料，没有可打印的答案";

// "2026-12-09 08:05": how the sheet gives its moment.
std::string sheetMoment(int year, int month, int day, int hour, int minute);

// The sheet for the materials (either may be empty), at `moment` (sheetMoment()). A material named
// by way of the known names is given with the drawing's name beside it: "材料 1：16MnR（图纸写作
// Q345R）".
AnswerSheetText answerSheetText(std::string_view material1, std::string_view material2,
                                std::string_view moment,
                                std::span<const Translation> translations = {});

// The materials line without the spaces around it, the process's caption, then its
// three texts: a line each, without a line end after the last.
std::string copiedAnswer(std::string_view materialsLine, Process process,
                         const Recommendation& texts);

} // namespace velmora
