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
constexpr std::array<const RuleTable*, 4> kTables{&tables::kSmaw, &tables::kMag, &tables::kGtaw,
                                                  &tables::kSaw};

// Group keys let several grades share one single-material entry. They apply only
// when one material is chosen; a pair is always looked up by its two designations.
constexpr std::array<std::string_view, 3> kTsg1Members{"Q235-A(F)", "Q235-B,C", "10#,20#(管)"};
constexpr std::array<std::string_view, 2> kDhjg1Members{"16Mn(Q345)", "16MnR"};

constexpr std::string_view singleLookupKey(std::string_view text) {
    for (std::string_view m : kTsg1Members) {
        if (text == m) {
            return "tsg1";
        }
    }
    for (std::string_view m : kDhjg1Members) {
        if (text == m) {
            return "dhjg1";
        }
    }
    return text;
}

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

// Every answer for a catalogue material or pair, worked out by the compiler with the
// walks above, so that a click costs two binary searches and a table read.
struct CompiledTable {
    std::array<std::array<std::int16_t, kMaterialCount>, kMaterialCount> pairRule{};
    std::array<std::int16_t, kMaterialCount> singleEntry{};
    std::int16_t emptyEntry = kNone;
};

consteval CompiledTable compile(const RuleTable& table) {
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

constexpr std::array<CompiledTable, 4> kCompiled{compile(tables::kSmaw), compile(tables::kMag),
                                                 compile(tables::kGtaw), compile(tables::kSaw)};

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
    const CompiledTable& compiled = kCompiled[p];

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
    // A text outside the catalogue: the same walk the compiler did for the catalogue.
    return fromEntry(table, findEntry(table, singleLookupKey(key)));
}

} // namespace velmora
