#include "recommend/recommend.h"

#include "catalogue/catalogue.h"
#include "recommend/rule_table.h"
#include "recommend/tables/gtaw.h"
#include "recommend/tables/mag.h"
#include "recommend/tables/saw.h"
#include "recommend/tables/smaw.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {
namespace {

// Indexed by Process.
constexpr std::array<const RuleTable*, kProcessCount> kTables{&tables::kSmaw, &tables::kMag,
                                                              &tables::kGtaw, &tables::kSaw};

// Positions in the table's lists; kNone where nothing matches.
constexpr std::int16_t kNone = -1;

constexpr std::int16_t findEntry(const RuleTable& table, std::string_view key) {
    for (std::size_t i = 0; i < table.singles.size(); ++i) {
        if (table.singles[i].key == key) {
            return static_cast<std::int16_t>(i);
        }
    }
    return kNone;
}

// The first rule in table order that names the pair, in either order.
constexpr std::int16_t firstPairRule(const RuleTable& table, int a, int b) {
    for (std::size_t i = 0; i < table.pairs.size(); ++i) {
        if (table.pairs[i].covers(a, b)) {
            return static_cast<std::int16_t>(i);
        }
    }
    return kNone;
}

// Every answer for a catalogue material or pair, worked out once with the walks
// above on first use, so that a click costs two binary searches and a table read.
// (Working it out in the compiler took longer than some compilers allow.)
struct CompiledTable {
    std::array<std::array<std::int16_t, kMaterialCount>, kMaterialCount> pairRule{};
    std::array<std::int16_t, kMaterialCount> singleEntry{};
    std::int16_t emptyEntry = kNone;
};

CompiledTable compile(const RuleTable& table) {
    CompiledTable c;
    for (const Material& a : kMaterials) {
        for (const Material& b : kMaterials) {
            c.pairRule[static_cast<std::size_t>(a.index - 1)]
                      [static_cast<std::size_t>(b.index - 1)] =
                firstPairRule(table, a.index, b.index);
        }
        c.singleEntry[static_cast<std::size_t>(a.index - 1)] =
            findEntry(table, singleLookupKey(a.designation));
    }
    c.emptyEntry = findEntry(table, "");
    return c;
}

// Indexed by Process; built on the first call, thread-safely.
const std::array<CompiledTable, kProcessCount>& compiledTables() {
    static const std::array<CompiledTable, kProcessCount> compiled{
        compile(tables::kSmaw), compile(tables::kMag), compile(tables::kGtaw),
        compile(tables::kSaw)};
    return compiled;
}

Outcome fromEntry(const RuleTable& table, std::int16_t position) {
    if (position == kNone) {
        return NoEntry{};
    }
    return table.singles[static_cast<std::size_t>(position)].texts;
}

} // namespace

Outcome recommend(Process process, std::string_view slot1, std::string_view slot2) {
    const auto p = static_cast<std::size_t>(process);
    if (p >= kTables.size()) {
        return NotFound{};
    }
    const RuleTable& table = *kTables[p];
    const CompiledTable& compiled = compiledTables()[p];

    if (!slot1.empty() && !slot2.empty()) {
        const int a = indexOf(slot1);
        const int b = indexOf(slot2);
        if (a == 0 || b == 0) {
            return NotFound{}; // pair rules name catalogue designations only
        }
        const std::int16_t rule =
            compiled.pairRule[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)];
        if (rule == kNone) {
            return NotFound{};
        }
        return table.pairs[static_cast<std::size_t>(rule)].texts;
    }

    const std::string_view key = slot1.empty() ? slot2 : slot1;
    if (key.empty()) {
        return fromEntry(table, compiled.emptyEntry);
    }
    if (const int index = indexOf(key); index != 0) {
        return fromEntry(table, compiled.singleEntry[static_cast<std::size_t>(index - 1)]);
    }
    // A text outside the catalogue: the same walk that built the table for the catalogue.
    return fromEntry(table, findEntry(table, singleLookupKey(key)));
}

std::array<ProcessAnswer, kProcessCount> recommendEveryProcess(std::string_view slot1,
                                                               std::string_view slot2) {
    std::array<ProcessAnswer, kProcessCount> answers{};
    for (std::size_t p = 0; p < kProcessCount; ++p) {
        const auto process = static_cast<Process>(p);
        answers[p] = {process, recommend(process, slot1, slot2)};
    }
    return answers;
}

} // namespace velmora
