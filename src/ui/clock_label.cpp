#include "ui/clock_label.h"

#include "ui/text_fit.h"

#include <QFontMetrics>

#include <array>
#include <utility>

namespace velmora::ui {
namespace {

QString widest(const QFontMetrics& metrics, const QStringList& moments) {
    QString best;
    int bestWidth = -1;
    for (const QString& text : moments) {
        if (const int width = metrics.horizontalAdvance(text); width > bestWidth) {
            best = text;
            bestWidth = width;
        }
    }
    return best;
}

} // namespace

ClockLabel::ClockLabel(ClockForm form, QWidget* parent)
    : QLabel(parent)
    , form_(std::move(form)) {}

void ClockLabel::showMoment(const QDateTime& when) {
    setText(form_.text(when));
}

QString ClockLabel::widestText(const QFont& font) const {
    const QFontMetrics metrics(font);
    // Month and weekday names differ in length, and so do day periods; digits may too.
    QStringList dates;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 22; day <= 28; ++day) {
            dates << form_.locale.toString(QDate(2088, month, day), form_.dateFormat);
        }
    }
    QStringList times;
    for (int hour = 0; hour < 24; ++hour) {
        times << form_.locale.toString(QTime(hour, 58, 58), form_.timeFormat);
    }
    return widest(metrics, dates) + u' ' + widest(metrics, times);
}

void ClockLabel::fitFont(const QFont& preferred) {
    setFont(largestFittingFont(preferred,
                               std::array{TextRoom{widestText(preferred), contentsRect().size()}}));
}

} // namespace velmora::ui
