#include "presentation/answer_sheet_text.h"

#include "presentation/answer_table.h"
#include "presentation/processes.h"
#include "presentation/usage_notice.h"
#include "version.h"

namespace velmora {
namespace {

std::string twoDigits(int n) {
    return std::string(n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

std::string sheetMoment(int year, int month, int day, int hour, int minute) {
    return std::to_string(year) + "-" + twoDigits(month) + "-" + twoDigits(day) + " " +
           twoDigits(hour) + ":" + twoDigits(minute);
}

AnswerSheetText answerSheetText(std::string_view material1, std::string_view material2,
                                std::string_view moment,
                                std::span<const Translation> translations) {
    AnswerSheetText sheet{kAnswerSheetTitle,
                          {"日期：" + std::string(moment)},
                          {"焊接方法", "推荐焊材"},
                          {},
                          kUsageNotice,
                          "规则库 " + std::string(kVersion) + " · " + ruleFingerprint()};
    std::vector<std::string_view> materials;
    for (std::string_view m : {material1, material2}) {
        if (!m.empty()) {
            materials.push_back(m);
        }
    }
    for (std::size_t i = 0; i < materials.size(); ++i) {
        std::string line = materials.size() == 1
                               ? "材料：" + std::string(materials[i])
                               : "材料 " + std::to_string(i + 1) + "：" + std::string(materials[i]);
        for (const Translation& t : translations) {
            if (t.known->designation == materials[i]) {
                line += "（图纸写作 " + std::string(t.known->name) + "）";
                break;
            }
        }
        sheet.heading.push_back(std::move(line));
    }
    if (materials.empty()) {
        sheet.heading.emplace_back(kNothingChosenLine);
        return sheet;
    }
    const std::array<ProcessAnswer, kProcessCount> answers =
        recommendEveryProcess(material1, material2);
    sheet.rows.resize(kProcessCount);
    for (std::size_t p = 0; p < kProcessCount; ++p) {
        AnswerSheetText::Row& row = sheet.rows[p];
        row.process = processName(answers[p].process).caption;
        if (const auto* texts = std::get_if<Recommendation>(&answers[p].outcome)) {
            row.lines.assign(texts->begin(), texts->end());
        } else {
            row.lines = {kNoConsumableText};
        }
    }
    return sheet;
}

std::string copiedAnswer(std::string_view materialsLine, Process process,
                         const Recommendation& texts) {
    const std::size_t first = materialsLine.find_first_not_of(' ');
    const std::string_view materials =
        first == std::string_view::npos
            ? std::string_view{}
            : materialsLine.substr(first, materialsLine.find_last_not_of(' ') - first + 1);
    std::string copied = std::string(materials) + "\n" + std::string(processName(process).caption);
    for (std::string_view text : texts) {
        copied += "\n";
        copied += text;
    }
    return copied;
}

} // namespace velmora
