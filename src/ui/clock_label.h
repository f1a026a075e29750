#pragma once

#include "ui/clock_text.h"

#include <QLabel>

namespace velmora::ui {

// The main window's clock (lblrq). Its text changes every second and its length with
// the month, the day and the hour, in the form the locale gives; the font is chosen
// once, for the widest text the form can make, so that no moment runs past the label.
class ClockLabel : public QLabel {
    Q_OBJECT
public:
    ClockLabel(ClockForm form, QWidget* parent);

    void showMoment(const QDateTime& when);
    // `preferred` where the widest text fits the label as laid out, else the largest
    // size below it that fits.
    void fitFont(const QFont& preferred);

private:
    ClockForm form_;
};

} // namespace velmora::ui
