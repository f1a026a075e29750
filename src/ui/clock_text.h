#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

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

} // namespace velmora::ui
