#pragma once

// The recommendation procedure: the two selection slots in, one of three outcomes
// out. It touches no window; the results window applies the outcome.

#include <array>
#include <cstddef>
#include <string_view>
#include <variant>

namespace velmora {

enum class Process { Smaw, Mag, Gtaw, Saw };

// Classification (or wire brand for SAW), brand (or flux), shielding gas: each text
// whole, prefix included, in the order they are shown.
using Recommendation = std::array<std::string_view, 3>;
struct NotFound {}; // a pair without a rule: the not-found notice
struct NoEntry {};  // a single material without an entry
using Outcome = std::variant<Recommendation, NotFound, NoEntry>;

// Pairs match in either slot order and the first matching rule wins; with one slot
// filled (either one) the material's entry answers, through its group key where it
// has one; with both empty the table's entry for the empty text answers. Any text at
// all ends in one of the three outcomes. The texts are views of constant data.
Outcome recommend(Process process, std::string_view slot1, std::string_view slot2);

inline constexpr std::size_t kProcessCount = 4;

struct ProcessAnswer {
    Process process;
    Outcome outcome;
};

// What each of the four processes answers for the two slots, in the order of the
// results window's buttons: what the answer sheet and the command line show.
std::array<ProcessAnswer, kProcessCount> recommendEveryProcess(std::string_view slot1,
                                                               std::string_view slot2);

} // namespace velmora
