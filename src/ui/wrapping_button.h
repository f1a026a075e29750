#pragma once

#include <QPushButton>

namespace velmora::ui {

// A push button whose caption wraps onto a second line when it is wider than the
// button, as "焊条电弧焊(SMAW)" must on a 73-pixel button. text() stays the caption.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora::ui
