#include "selection/selection_model.h"

#include <cstddef>

namespace velmora {
namespace {

bool inCatalogue(const Material& m) {
    return m.index >= 1 && m.index <= static_cast<int>(kMaterialCount);
}

std::size_t position(const Material& m) {
    return static_cast<std::size_t>(m.index - 1);
}

} // namespace

SelectionModel::TickResult SelectionModel::tick(const Material& material) {
    if (!inCatalogue(material)) {
        return Refused{kTooManyNotice};
    }
    // A box that is already ticked cannot become ticked; keep the slots from ever
    // holding one material twice should such an event arrive anyway.
    if (ticked_[position(material)]) {
        return slot1_ == material.designation ? Slot::One : Slot::Two;
    }
    if (slot1_.empty()) {
        slot1_ = material.designation;
        ticked_[position(material)] = true;
        return Slot::One;
    }
    if (slot2_.empty()) {
        slot2_ = material.designation;
        ticked_[position(material)] = true;
        return Slot::Two;
    }
    return Refused{kTooManyNotice};
}

void SelectionModel::untick(const Material& material) {
    if (!inCatalogue(material)) {
        return;
    }
    ticked_[position(material)] = false;
    if (slot1_ == material.designation) {
        slot1_ = {};
    }
    if (slot2_ == material.designation) {
        slot2_ = {};
    }
}

void SelectionModel::clear() {
    for (const Material& m : kMaterials) {
        if (ticked_[position(m)]) {
            untick(m);
        }
    }
}

SelectionModel::ConfirmResult SelectionModel::confirm() const {
    if (slot1_.empty() && slot2_.empty()) {
        return kNothingChosenNotice;
    }
    return OpenResults{materialsLine(slot1_, slot2_)};
}

bool SelectionModel::isTicked(const Material& material) const noexcept {
    return inCatalogue(material) && ticked_[position(material)];
}

std::string materialsLine(std::string_view slot1, std::string_view slot2) {
    std::string line;
    line.reserve(slot1.size() + 4 + slot2.size());
    line.append(slot1).append("    ").append(slot2);
    return line;
}

} // namespace velmora
