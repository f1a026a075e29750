#pragma once

#include "ui/wrapping_button.h"

namespace velmora::ui {

// A process button is down while the fields show its answer. Pressing it does not
// toggle it: the window decides, since a notice leaves the mark where it was.
class MarkedButton : public WrappingButton {
public:
    using WrappingButton::WrappingButton;

protected:
    void nextCheckState() override {}
};

} // namespace velmora::ui
