#include "ui/clock_label.h"

#include "ui/text_fit.h"

#include <QFontMetrics>

#include <array>
#include <utility>

namespace velmora::ui {
ClockLabel::ClockLabel(ClockForm form, QWidget* parent)
    : QLabel(parent)
    , form_(std::move(form)) {}

void ClockLabel::showMoment(const QDateTime& when) {
    setText(form_.text(when));
}

void ClockLabel::fitFont(const QFont& preferred) {
    const QString widest = widestClockText(form_, preferred);
    setFont(largestFittingFont(preferred, std::array{TextRoom{widest, contentsRect().size()}}));
}

} // namespace velmora::ui
