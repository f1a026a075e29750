#pragma once

// The four welding processes in the order of the results window's buttons, with the
// name a command line uses and the caption people read.

#include "recommend/recommend.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace velmora {

struct ProcessName {
    Process process;
    std::string_view key;     // "smaw"
    std::string_view caption; // "焊条电弧焊(SMAW)"; the parentheses are ASCII
};

inline constexpr std::array<ProcessName, kProcessCount> kProcessNames{{
    {Process::Smaw, "smaw", "焊条电弧焊(SMAW)"},
    {Process::Mag, "mag", "气体保护焊(MAG)"},
    {Process::Gtaw, "gtaw", "手工氩弧焊(GTAW)"},
    {Process::Saw, "saw", "埋弧焊(SAW)"},
}};

// Said in place of the three texts where a process has no rule for the materials.
inline constexpr std::string_view kNoConsumableText = "未查询到合适的焊材";

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
