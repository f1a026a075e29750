#pragma once

// The four welding processes in the order of the results window's buttons, with the
// name a command line uses, the caption people read and what each of the three
// answer texts holds.

#include "recommend/recommend.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace velmora {

struct ProcessName {
    Process process;
    std::string_view key;     // "smaw"
    std::string_view caption; // "焊条电弧焊(SMAW)"; the parentheses are ASCII
    // The label each answer text begins with, before its full-width colon: a column's
    // heading where answers are laid out in a table. (A few SAW answers label their
    // first two texts otherwise; those keep their own label in such a column.)
    std::array<std::string_view, 3> fields;
};

inline constexpr std::array<ProcessName, kProcessCount> kProcessNames{{
    {Process::Smaw, "smaw", "焊条电弧焊(SMAW)", {"焊条型号", "焊条牌号", "保护气体"}},
    {Process::Mag, "mag", "气体保护焊(MAG)", {"焊丝型号", "焊丝牌号", "保护气体"}},
    {Process::Gtaw, "gtaw", "手工氩弧焊(GTAW)", {"焊丝型号", "焊丝牌号", "保护气体"}},
    {Process::Saw, "saw", "埋弧焊(SAW)", {"焊丝牌号", "焊剂牌号", "保护气体"}},
}};

// Between a field's label and its content in every answer text.
inline constexpr std::string_view kFieldSeparator = "：";

// Said in place of the three texts where a process has no rule for the materials.
inline constexpr std::string_view kNoConsumableText = "未查询到合适的焊材";

// Said beside an answer whose three texts hold only "--": the tables' way of saying
// that they recommend no consumable of that process for the joint.
inline constexpr std::string_view kDashAnswerText =
    "规则表对这个接头不推荐该焊接方法的焊材（三栏均为“--”）";

// Whether every text of the answer is "--" after its label ("焊丝型号：--").
constexpr bool recommendsNothing(const std::array<std::string_view, 3>& texts) noexcept {
    for (std::string_view text : texts) {
        const std::size_t colon = text.find(kFieldSeparator);
        if (colon == std::string_view::npos ||
            text.substr(colon + kFieldSeparator.size()) != "--") {
            return false;
        }
    }
    return true;
}

// Named, not an immediately invoked lambda, so that cppcheck can read it.
constexpr bool namesFollowProcessOrder() noexcept {
    for (std::size_t i = 0; i < kProcessNames.size(); ++i) {
        if (static_cast<std::size_t>(kProcessNames[i].process) != i) {
            return false;
        }
    }
    return true;
}
static_assert(namesFollowProcessOrder(), "kProcessNames is indexed by Process");

constexpr const ProcessName& processName(Process process) noexcept {
    return kProcessNames[static_cast<std::size_t>(process)];
}

} // namespace velmora
