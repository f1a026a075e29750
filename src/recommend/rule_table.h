#pragma once

// The shape shared by the four process tables: single-material entries and pair
// rules, each holding one recommendation. Pair rules are written the way a welding
// engineer says them, as blocks over named sets of materials ("group I × {40Cr}",
// "any two of group Ⅱ"); a designation that is not in the catalogue does not compile,
// and each table checks its own shape with the checks at the end of this file.

#include "catalogue/catalogue.h"
#include "recommend/recommend.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace velmora {

// A set of catalogue materials, held as one bit per catalogue index.
class MaterialSet {
public:
    constexpr MaterialSet() = default;
    consteval MaterialSet(std::initializer_list<std::string_view> designations) {
        for (std::string_view d : designations) {
            const int index = indexOf(d);
            if (index == 0) {
                throw "not a catalogue designation";
            }
            bits_ |= bit(index);
        }
    }

    constexpr bool contains(int index) const noexcept { return (bits_ & bit(index)) != 0; }
    constexpr int size() const noexcept { return std::popcount(bits_); }
    constexpr bool empty() const noexcept { return bits_ == 0; }
    constexpr bool disjoint(MaterialSet other) const noexcept { return (bits_ & other.bits_) == 0; }

    friend constexpr MaterialSet operator|(MaterialSet a, MaterialSet b) noexcept {
        MaterialSet s;
        s.bits_ = a.bits_ | b.bits_;
        return s;
    }
    friend constexpr MaterialSet operator&(MaterialSet a, MaterialSet b) noexcept {
        MaterialSet s;
        s.bits_ = a.bits_ & b.bits_;
        return s;
    }

private:
    static constexpr std::uint64_t bit(int index) noexcept {
        return index >= 1 && index <= 64 ? std::uint64_t{1} << (index - 1) : 0;
    }
    std::uint64_t bits_ = 0;
};

// Either every pair of one material of `left` with one of `right`, or (anyTwo) every
// pair of two different materials of `left`.
struct PairBlock {
    MaterialSet left;
    MaterialSet right;
    bool anyTwo = false;

    constexpr bool covers(int a, int b) const noexcept {
        if (anyTwo) {
            return a != b && left.contains(a) && left.contains(b);
        }
        return (left.contains(a) && right.contains(b)) || (left.contains(b) && right.contains(a));
    }
    // Only meaningful for a cross block whose sides do not overlap, which the tables
    // check at compile time.
    constexpr int pairCount() const noexcept {
        const int n = left.size();
        return anyTwo ? n * (n - 1) / 2 : n * right.size();
    }
};

constexpr PairBlock cross(MaterialSet left, MaterialSet right) noexcept {
    return {left, right, false};
}
constexpr PairBlock anyTwoOf(MaterialSet set) noexcept {
    return {set, {}, true};
}

struct PairRule {
    static constexpr std::size_t kMaxBlocks = 8;
    Recommendation texts;
    std::array<PairBlock, kMaxBlocks> blocks{}; // unused blocks are empty and cover nothing

    constexpr bool covers(int a, int b) const noexcept {
        for (const PairBlock& block : blocks) {
            if (block.covers(a, b)) {
                return true;
            }
        }
        return false;
    }
    constexpr int pairCount() const noexcept {
        int n = 0;
        for (const PairBlock& block : blocks) {
            n += block.pairCount();
        }
        return n;
    }
};

struct SingleEntry {
    std::string_view key; // a designation, a group key, or the empty text
    Recommendation texts;
};

struct RuleTable {
    std::span<const SingleEntry> singles;
    std::span<const PairRule> pairs;
};

// The group keys: when one material is chosen alone, the members of a group key are
// answered by the entry keyed "tsg1" (the plain carbon steels Q235-A(F), Q235-B,C and
// 10#,20#(管)) or "dhjg1" (the 16Mn grades). Pair rules never use them.
inline constexpr std::string_view kTsg1Key = "tsg1";
inline constexpr std::string_view kDhjg1Key = "dhjg1";
inline constexpr MaterialSet kTsg1Members{"Q235-A(F)", "Q235-B,C", "10#,20#(管)"};
inline constexpr MaterialSet kDhjg1Members{"16Mn(Q345)", "16MnR"};

// The key a single material is looked up by: its group key where it has one, else
// the text itself.
constexpr std::string_view singleLookupKey(std::string_view text) noexcept {
    const int index = indexOf(text);
    if (kTsg1Members.contains(index)) {
        return kTsg1Key;
    }
    if (kDhjg1Members.contains(index)) {
        return kDhjg1Key;
    }
    return text;
}

// What every table asserts about itself at compile time. Each check costs a few
// thousand steps, so that every build, with or without the tests, runs them.
namespace checks {

// A cross block whose sides share a material would pair that material with itself.
constexpr bool crossSidesAreDisjoint(const RuleTable& t) noexcept {
    for (const PairRule& rule : t.pairs) {
        for (const PairBlock& block : rule.blocks) {
            if (!block.anyTwo && !block.left.disjoint(block.right)) {
                return false;
            }
        }
    }
    return true;
}

// Whether some pair of two different materials lies in both blocks (cross sides
// disjoint).
constexpr bool blocksOverlap(const PairBlock& x, const PairBlock& y) noexcept {
    if (x.anyTwo && y.anyTwo) {
        return (x.left & y.left).size() >= 2;
    }
    if (x.anyTwo || y.anyTwo) {
        const PairBlock& any = x.anyTwo ? x : y;
        const PairBlock& crossed = x.anyTwo ? y : x;
        return !(any.left & crossed.left).empty() && !(any.left & crossed.right).empty();
    }
    return (!(x.left & y.left).empty() && !(x.right & y.right).empty()) ||
           (!(x.left & y.right).empty() && !(x.right & y.left).empty());
}

// No pair is named twice, within a rule or across rules: where two rules named the
// same pair, the later one would silently never answer it.
constexpr bool noPairNamedTwice(const RuleTable& t) noexcept {
    // Every two blocks of the table, numbered rule by rule; unused blocks are skipped
    // first, which keeps the compiler's work small.
    const std::size_t count = t.pairs.size() * PairRule::kMaxBlocks;
    const auto blockAt = [&t](std::size_t n) -> const PairBlock& {
        return t.pairs[n / PairRule::kMaxBlocks].blocks[n % PairRule::kMaxBlocks];
    };
    for (std::size_t i = 0; i < count; ++i) {
        if (blockAt(i).left.empty()) {
            continue;
        }
        for (std::size_t j = i + 1; j < count; ++j) {
            if (!blockAt(j).left.empty() && blocksOverlap(blockAt(i), blockAt(j))) {
                return false;
            }
        }
    }
    return true;
}

// Entry keys are unique and each is a designation that can be looked up alone, a
// group key or the empty text; a misspelt key, or one a group key hides, could never
// answer.
constexpr bool singleKeysAreSound(const RuleTable& t) noexcept {
    for (std::size_t i = 0; i < t.singles.size(); ++i) {
        const std::string_view key = t.singles[i].key;
        const bool known = key.empty() || key == kTsg1Key || key == kDhjg1Key ||
                           (indexOf(key) != 0 && singleLookupKey(key) == key);
        if (!known) {
            return false;
        }
        for (std::size_t j = i + 1; j < t.singles.size(); ++j) {
            if (key == t.singles[j].key) {
                return false;
            }
        }
    }
    return true;
}

// Every designation occurs in the table, as an entry key, through its group key, or in
// a pair rule.
constexpr bool everyMaterialOccurs(const RuleTable& t) noexcept {
    MaterialSet inPairs;
    for (const PairRule& rule : t.pairs) {
        for (const PairBlock& block : rule.blocks) {
            inPairs = inPairs | block.left | block.right;
        }
    }
    for (const Material& m : kMaterials) {
        if (inPairs.contains(m.index)) {
            continue;
        }
        const std::string_view key = singleLookupKey(m.designation);
        bool found = false;
        for (const SingleEntry& e : t.singles) {
            found = found || e.key == key;
        }
        if (!found) {
            return false;
        }
    }
    return true;
}

} // namespace checks

} // namespace velmora
