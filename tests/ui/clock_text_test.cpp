#include "ui/clock_text.h"

#include <QObject>
#include <QTest>

using namespace velmora::ui;

class ClockTextTest : public QObject {
    Q_OBJECT
private slots:
    void dropsTheTimeZone_data();
    void dropsTheTimeZone();
    void generalDateTimeForm_data();
    void generalDateTimeForm();
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
    QTest::addColumn<QString>("expected");
    QTest::newRow("zh_CN") << "zh_CN"
                           << "2026/12/8 09:05:03";
    QTest::newRow("en_US") << "en_US"
                           << "12/8/26 9:05:03 AM";
    QTest::newRow("de_DE") << "de_DE"
                           << "08.12.26 09:05:03";
}

void ClockTextTest::generalDateTimeForm() {
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    const QDateTime when(QDate(2026, 12, 8), QTime(9, 5, 3));
    QCOMPARE(clockText(QLocale(locale), when), expected);
}

QTEST_GUILESS_MAIN(ClockTextTest)
#include "clock_text_test.moc"
