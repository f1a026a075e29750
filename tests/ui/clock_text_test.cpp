#include "sheet/song_font.h"
#include "ui/clock_label.h"
#include "ui/clock_text.h"
#include "ui/main_window_layout.h"

#include <QObject>
#include <QTest>

using namespace velmora::ui;
using velmora::sheet::songFaceInstalled;
using velmora::sheet::songFont;

namespace {

// The row's locale's form, or the formats the row gives in it.
ClockForm formOfTheRow() {
    QFETCH(QString, locale);
    QFETCH(QString, dateFormat);
    QFETCH(QString, timeFormat);
    ClockForm form = ClockForm::of(QLocale(locale));
    if (!dateFormat.isEmpty()) {
        form.dateFormat = dateFormat;
        form.timeFormat = timeFormat;
    }
    return form;
}

} // namespace

class ClockTextTest : public QObject {
    Q_OBJECT
private slots:
    void dropsTheTimeZone_data();
    void dropsTheTimeZone();
    void generalDateTimeForm_data();
    void generalDateTimeForm();
    void fitsAtItsWidest_data();
    void fitsAtItsWidest();
    void widestFromTheFormatIsTheWidestOfAll_data();
    void widestFromTheFormatIsTheWidestOfAll();
};

void ClockTextTest::dropsTheTimeZone_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zone first") << "t HH:mm:ss"
                                << "HH:mm:ss";
    QTest::newRow("zone last") << "HH:mm:ss t"
                               << "HH:mm:ss";
    QTest::newRow("after AM/PM") << "h:mm:ss AP t"
                                 << "h:mm:ss AP";
    QTest::newRow("long zone name") << "tttt HH:mm:ss"
                                    << "HH:mm:ss";
    QTest::newRow("quoted t kept") << "HH 'at' mm t"
                                   << "HH 'at' mm";
    QTest::newRow("no zone") << "HH:mm:ss"
                             << "HH:mm:ss";
}

void ClockTextTest::dropsTheTimeZone() {
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(withoutTimeZone(format), expected);
}

void ClockTextTest::generalDateTimeForm_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("zh_CN") << "zh_CN";
    QTest::newRow("en_US") << "en_US";
    QTest::newRow("de_DE") << "de_DE";
    QTest::newRow("ko_KR") << "ko_KR";
}

// The locale's short date, a space, its long time without the time zone: as QLocale
// itself writes them in whichever Qt runs the test, not as one Qt version's data did.
void ClockTextTest::generalDateTimeForm() {
    QFETCH(QString, locale);
    const QLocale l(locale);
    const QDateTime when(QDate(2026, 12, 8), QTime(9, 5, 3));
    const QString expected =
        l.toString(when.date(), l.dateFormat(QLocale::ShortFormat)) + QLatin1Char(' ') +
        l.toString(when.time(), withoutTimeZone(l.timeFormat(QLocale::LongFormat)));
    QCOMPARE(ClockForm::of(l).text(when), expected);
}

// The clock must stay inside lblrq at every moment of the year, in the locale's own
// form; in Chinese it keeps the Song face's 10.5 points.
void ClockTextTest::fitsAtItsWidest_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dateFormat"); // empty: the locale's own
    QTest::addColumn<QString>("timeFormat");
    QTest::newRow("zh_CN") << "zh_CN" << QString() << QString();
    QTest::newRow("en_US") << "en_US" << QString() << QString();
    QTest::newRow("en-US as Windows gives it") << "en_US"
                                               << "M/d/yyyy"
                                               << "h:mm:ss AP";
    QTest::newRow("ko_KR") << "ko_KR" << QString() << QString();
    QTest::newRow("de_DE") << "de_DE" << QString() << QString();
    QTest::newRow("ru_RU") << "ru_RU" << QString() << QString();
}

void ClockTextTest::fitsAtItsWidest() {
    QFETCH(QString, locale);
    const ClockForm form = formOfTheRow();
    ClockLabel clock(form, nullptr);
    clock.setGeometry(px(main_layout::kClock));
    clock.fitFont(songFont(10.5, true));
    // Two-digit month, day and hour, before and after noon.
    for (const QTime time : {QTime(12, 58, 58), QTime(23, 58, 58), QTime(10, 8, 8)}) {
        clock.showMoment(QDateTime(QDate(2026, 12, 28), time));
        QVERIFY2(clock.fontMetrics().horizontalAdvance(clock.text()) <= clock.width(),
                 qPrintable(clock.text()));
        QVERIFY(clock.fontMetrics().height() <= clock.height());
    }
    if (locale == QLatin1String("zh_CN")) {
        if (!songFaceInstalled()) {
            QSKIP("the Song face is missing: its 10.5 points in Chinese are not checked");
        }
        QCOMPARE(clock.font().pointSizeF(), 10.5);
    }
}

void ClockTextTest::widestFromTheFormatIsTheWidestOfAll_data() {
    fitsAtItsWidest_data();
    QTest::newRow("month and weekday names") << "en_US"
                                             << "ddd d MMMM yyyy"
                                             << "h:mm:ss ap";
    QTest::newRow("zero-padded 24 hours") << "de_DE"
                                          << "dd.MM.yyyy"
                                          << "HH:mm:ss";
}

// The widest text worked out from what the formats can vary is the widest of every
// date of the year (a week of two-digit days in each month) and every hour, the first
// of them where several are as wide: in the Song face, and in the stand-in faces,
// whose "1" is narrower than the other digits, and whose "AM" is wider than "PM" in
// one and narrower in the other.
void ClockTextTest::widestFromTheFormatIsTheWidestOfAll() {
    const ClockForm form = formOfTheRow();
    for (const QFont& font : {songFont(10.5, true), QFont(QStringLiteral("Noto Serif CJK SC"), 11),
                              QFont(QStringLiteral("Noto Sans CJK SC"), 11)}) {
        const QFontMetrics metrics(font);
        const auto widest = [&](const QStringList& texts) {
            QString best;
            for (const QString& t : texts) {
                if (best.isNull() ||
                    metrics.horizontalAdvance(t) > metrics.horizontalAdvance(best)) {
                    best = t;
                }
            }
            return best;
        };
        QStringList dates;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 22; day <= 28; ++day) {
                dates << form.locale.toString(QDate(2088, month, day), form.dateFormat);
            }
        }
        QStringList times;
        for (int hour = 0; hour < 24; ++hour) {
            times << form.locale.toString(QTime(hour, 58, 58), form.timeFormat);
        }
        QCOMPARE(widestClockText(form, font), widest(dates) + u' ' + widest(times));
    }
}

QTEST_MAIN(ClockTextTest)
#include "clock_text_test.moc"
