#include "catalogue/known_names.h"
#include "presentation/answer_sheet_text.h"
#include "presentation/answer_table.h"
#include "text_support.h"
#include "version.h"

#include <QDateTime>
#include <QObject>
#include <QTest>

using namespace velmora;

class AnswerSheetTextTest : public QObject {
    Q_OBJECT
private slots:
    void givesEveryMomentOfTheYear();
    void headingNamesTheMaterials_data();
    void headingNamesTheMaterials();
    void copiedAnswerTakesTheMaterialsWithoutSpacesAround();
};

// Each day of a leap year, at hours and minutes of one and two digits, as a calendar
// writes it.
void AnswerSheetTextTest::givesEveryMomentOfTheYear() {
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
        const QTime time(day.dayOfYear() % 24, day.dayOfYear() % 60);
        const std::string moment =
            sheetMoment(day.year(), day.month(), day.day(), time.hour(), time.minute());
        QCOMPARE(QString::fromStdString(moment),
                 QDateTime(day, time).toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    }
}

void AnswerSheetTextTest::headingNamesTheMaterials_data() {
    QTest::addColumn<QString>("material1");
    QTest::addColumn<QString>("material2");
    QTest::addColumn<QString>("drawn"); // a known name material 2 was chosen by
    QTest::addColumn<QStringList>("heading");
    QTest::addColumn<int>("rows");
    const QString date = QStringLiteral("日期：2026-01-09 08:05");
    QTest::newRow("none") << ""
                          << ""
                          << "" << QStringList{date, toQString(kNothingChosenLine)} << 0;
    QTest::newRow("one") << "16MnR"
                         << ""
                         << "" << QStringList{date, "材料：16MnR"} << 4;
    QTest::newRow("slot 2 alone") << ""
                                  << "20g"
                                  << "" << QStringList{date, "材料：20g"} << 4;
    QTest::newRow("two") << "16MnR"
                         << "20g"
                         << "" << QStringList{date, "材料 1：16MnR", "材料 2：20g"} << 4;
    QTest::newRow("by today's name")
        << "16MnR"
        << "0Cr18Ni9(304)"
        << "S30408"
        << QStringList{date, "材料 1：16MnR", "材料 2：0Cr18Ni9(304)（图纸写作 S30408）"} << 4;
}

void AnswerSheetTextTest::headingNamesTheMaterials() {
    QFETCH(QString, material1);
    QFETCH(QString, material2);
    QFETCH(QString, drawn);
    QFETCH(QStringList, heading);
    QFETCH(int, rows);
    std::vector<Translation> translations;
    for (const KnownName& k : kKnownNames) {
        if (toQString(k.name) == drawn) {
            translations.push_back({drawn.toStdString(), &k});
        }
    }
    const AnswerSheetText sheet = answerSheetText(material1.toStdString(), material2.toStdString(),
                                                  "2026-01-09 08:05", translations);
    QCOMPARE(toQStringList(sheet.heading), heading);
    QCOMPARE(int(sheet.rows.size()), rows);
    QCOMPARE(toQString(sheet.edition),
             "规则库 " + toQString(kVersion) + " · " + toQString(ruleFingerprint()));
}

void AnswerSheetTextTest::copiedAnswerTakesTheMaterialsWithoutSpacesAround() {
    const Recommendation texts{"E5015", "J507", "—"};
    QCOMPARE(copiedAnswer("    20g", Process::Smaw, texts),
             "20g\n焊条电弧焊(SMAW)\nE5015\nJ507\n—");
    QCOMPARE(copiedAnswer("35Mn    20g  ", Process::Saw, texts),
             "35Mn    20g\n埋弧焊(SAW)\nE5015\nJ507\n—");
}

QTEST_GUILESS_MAIN(AnswerSheetTextTest)
#include "answer_sheet_text_test.moc"
