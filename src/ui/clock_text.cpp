#include "ui/clock_text.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <vector>

namespace velmora::ui {
namespace {

// How a format writes a field: the longest run of `letter` outside quoted text (0 for
// none); "MMMM" is 4, "d" 1.
int fieldLength(const QString& format, QChar letter) {
    int longest = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted || format.at(i) != letter) {
            continue;
        }
        int run = 0;
        while (i < format.size() && format.at(i) == letter) {
            ++run;
            ++i;
        }
        --i;
        longest = std::max(longest, run);
    }
    return longest;
}

// The width of a number as the locale writes it in a field of `length` letters ("M" no
// leading zero, "MM" two digits), from the widths of its digits.
class DigitWidths {
public:
    DigitWidths(const QLocale& locale, const QFont& font) {
        const QFontMetricsF metrics(font);
        const QString zero = locale.zeroDigit();
        for (int d = 0; d < 10; ++d) {
            QString digit = zero;
            digit.back() = QChar(digit.back().unicode() + d);
            widths_[static_cast<std::size_t>(d)] = metrics.horizontalAdvance(digit);
        }
    }
    qreal of(int number, int length) const {
        qreal width = 0;
        int digits = 0;
        for (; number > 0 || digits == 0; number /= 10, ++digits) {
            width += widths_[static_cast<std::size_t>(number % 10)];
        }
        return digits < length ? width + widths_[0] * (length - digits) : width;
    }

private:
    std::array<qreal, 10> widths_{};
};

// Of `first`..`last`, the first whose text is widest, as a search through them in
// that order finds it; the texts' widths differ only by `part` (a number's digits).
// Only those whose part is within a pixel of the widest can be (a text rounds to whole
// pixels); where their parts are all alike, so are their texts, and the first is it.
template <typename Part, typename Text>
int widestOf(int first, int last, Part part, Text text, const QFontMetrics& metrics) {
    qreal most = 0;
    for (int n = first; n <= last; ++n) {
        most = std::max(most, part(n));
    }
    std::vector<int> close;
    bool alike = true;
    for (int n = first; n <= last; ++n) {
        if (part(n) > most - 1.0) {
            alike = alike && (close.empty() || part(n) == part(close.front()));
            close.push_back(n);
        }
    }
    if (alike) {
        return close.front();
    }
    int best = close.front();
    int bestWidth = -1;
    for (int n : close) {
        if (const int w = metrics.horizontalAdvance(text(n)); w > bestWidth) {
            best = n;
            bestWidth = w;
        }
    }
    return best;
}

constexpr int kYear = 2088;
constexpr int kFirstDay = 22; // a week of two-digit days
constexpr int kLastDay = 28;

QString widestDate(const ClockForm& form, const QFontMetrics& metrics, const DigitWidths& digits) {
    const QString& format = form.dateFormat;
    const auto text = [&](int month, int day) {
        return form.locale.toString(QDate(kYear, month, day), format);
    };
    if (fieldLength(format, u'd') >= 3) {
        // A weekday name goes with the day and the month together: try them all.
        QString best;
        int bestWidth = -1;
        for (int month = 1; month <= 12; ++month) {
            for (int day = kFirstDay; day <= kLastDay; ++day) {
                const QString t = text(month, day);
                if (const int w = metrics.horizontalAdvance(t); w > bestWidth) {
                    best = t;
                    bestWidth = w;
                }
            }
        }
        return best;
    }
    const int monthLength = fieldLength(format, u'M');
    const auto monthText = [&](int m) { return text(m, kFirstDay); };
    const int month =
        monthLength >= 3
            ? widestOf(
                  1, 12, [&](int m) { return qreal(metrics.horizontalAdvance(monthText(m))); },
                  monthText, metrics)
            : widestOf(
                  1, 12, [&](int m) { return digits.of(m, monthLength); }, monthText, metrics);
    const int dayLength = fieldLength(format, u'd');
    const int day = widestOf(
        kFirstDay, kLastDay, [&](int d) { return digits.of(d, dayLength); },
        [&](int d) { return text(month, d); }, metrics);
    return text(month, day);
}

QString widestTime(const ClockForm& form, const QFontMetrics& metrics, const DigitWidths& digits) {
    const QString& format = form.timeFormat;
    const bool dayPeriod = fieldLength(format, u'A') > 0 || fieldLength(format, u'a') > 0;
    const auto text = [&](int hour) { return form.locale.toString(QTime(hour, 58, 58), format); };
    // "h" counts 1 to 12 where a day period is shown, else 0 to 23, like "H".
    const int twelve = fieldLength(format, u'h');
    const int length = std::max(twelve, fieldLength(format, u'H'));
    const auto hourDigits = [&](int h) {
        return digits.of(twelve > 0 && dayPeriod ? (h % 12 == 0 ? 12 : h % 12) : h, length);
    };
    if (!dayPeriod) {
        return text(widestOf(0, 23, hourDigits, text, metrics));
    }
    // The widest hour of the morning and of the afternoon; then the wider of the two,
    // day periods being of any width.
    const int morning = widestOf(0, 11, hourDigits, text, metrics);
    const int afternoon = widestOf(12, 23, hourDigits, text, metrics);
    const QString first = text(morning);
    const QString second = text(afternoon);
    return metrics.horizontalAdvance(second) > metrics.horizontalAdvance(first) ? second : first;
}

} // namespace

QString withoutTimeZone(const QString& format) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
            continue;
        }
        if (quoted || c != u't') {
            out += c;
            continue;
        }
        while (i + 1 < format.size() && format.at(i + 1) == u't') {
            ++i;
        }
        if (!out.isEmpty() && out.back().isSpace()) {
            while (!out.isEmpty() && out.back().isSpace()) {
                out.chop(1);
            }
        } else {
            while (i + 1 < format.size() && format.at(i + 1).isSpace()) {
                ++i;
            }
        }
    }
    return out;
}

ClockForm ClockForm::of(const QLocale& locale) {
    return {locale, locale.dateFormat(QLocale::ShortFormat),
            withoutTimeZone(locale.timeFormat(QLocale::LongFormat))};
}

QString ClockForm::text(const QDateTime& when) const {
    return locale.toString(when.date(), dateFormat) + u' ' +
           locale.toString(when.time(), timeFormat);
}

QString widestClockText(const ClockForm& form, const QFont& font) {
    const QFontMetrics metrics(font);
    const DigitWidths digits(form.locale, font);
    return widestDate(form, metrics, digits) + u' ' + widestTime(form, metrics, digits);
}

} // namespace velmora::ui
