#pragma once

// The shape shared by the four process tables: single-material entries and pair
// rules, each holding one recommendation. Pair rules are written the way a welding
// engineer says them, as blocks over named sets of materials ("group I × {40Cr}",
// "any two of group Ⅱ"); a designation that is not in the catalogue does not compile.

#include "catalogue/catalogue.h"
#include "recommend/recommend.h"

#include <array>
#include <bit>
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
    constexpr bool disjoint(MaterialSet other) const noexcept { return (bits_ & other.bits_) == 0; }

    friend constexpr MaterialSet operator|(MaterialSet a, MaterialSet b) noexcept {
        MaterialSet s;
        s.bits_ = a.bits_ | b.bits_;
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

} // namespace velmora
