#pragma once

// What the user has chosen: at most two materials in two slots, and the tick state
// of every check box. The main window presents this model and feeds it every tick and
// untick; the slots are what the recommendation procedure reads.

#include "catalogue/catalogue.h"
#include "selection/notice.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace velmora {

class SelectionModel {
public:
    enum class Slot { One, Two };

    // Both slots are filled: the material stays unticked and the slots unchanged.
    // The window shows the notice and, once it is answered, the box unticked again.
    struct Refused {
        Notice notice;
    };
    using TickResult = std::variant<Slot, Refused>;

    struct OpenResults {
        std::string materialsLine;
    };
    using ConfirmResult = std::variant<OpenResults, Notice>;

    struct Slots {
        std::string_view slot1;
        std::string_view slot2;
    };

    static constexpr Notice kTooManyNotice{"选择的材料不能超过两种", "注意！"};
    static constexpr Notice kNothingChosenNotice{"请先选择材料（一种或两种组合）", "提示"};

    // The box of `material` became ticked: slot 1 is tried first, then slot 2.
    TickResult tick(const Material& material);
    // The box became unticked, for whatever reason: empty whichever slot holds it.
    void untick(const Material& material);
    // Untick every ticked box in catalogue order.
    void clear();
    ConfirmResult confirm() const;

    // Named so as not to clash with the Qt keyword "slots".
    Slots slotTexts() const noexcept { return {slot1_, slot2_}; }
    bool isTicked(const Material& material) const noexcept;

private:
    std::array<bool, kMaterialCount> ticked_{};
    std::string_view slot1_;
    std::string_view slot2_;
};

// Slot 1, four spaces, slot 2, untrimmed: "35Mn    20g", or "    20g" with slot 1 empty.
std::string materialsLine(std::string_view slot1, std::string_view slot2);

} // namespace velmora
