#include "ui/clock_text.h"

namespace velmora::ui {

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

} // namespace velmora::ui
