#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class QFont;

namespace velmora::ui {

// The locale's general date-time text: its short date, a space, its long time. Qt's
// long time form ends in the time zone; the general form has none, so it is dropped.
// The two formats are held apart from the locale so that a form a system gives (an
// English Windows writes "M/d/yyyy h:mm:ss tt") can be written down as it is.
struct ClockForm {
    QLocale locale;
    QString dateFormat;
    QString timeFormat;

    static ClockForm of(const QLocale& locale);
    QString text(const QDateTime& when) const;
};

// A time format with its time-zone field ("t") and the spaces that set it off removed;
// quoted literal text is left alone.
QString withoutTimeZone(const QString& format);

// The widest text the form makes in `font` at any moment of a year: the widest
// date of the year (over every month and a full week of two-digit days, as 2088 has
// them) and the widest time of the day (over every hour, at 58 minutes 58 seconds).
// Only what the formats can vary is measured: month names where they show them, the
// day periods where they show them, and otherwise the digits, the widest of which
// make the widest numbers; a format with weekday names is searched through.
QString widestClockText(const ClockForm& form, const QFont& font);

} // namespace velmora::ui
