// Material names on velmora-cli's command line as people write them, and the names of
// today's drawings: what each answers as, what is said of how it was read, and what is
// refused.

#include "cli_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class CliNamesTest : public QObject {
    Q_OBJECT
private slots:
    void namesAsPeopleWriteThem_data();
    void namesAsPeopleWriteThem();
    void namesOfTodaysDrawings_data();
    void namesOfTodaysDrawings();
#ifndef Q_OS_WIN
    void undecodableArgumentNamesNothing();
#endif
};

void CliNamesTest::namesAsPeopleWriteThem_data() {
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QStringList>("meant");

    QTest::newRow("a material with itself is that material alone")
        << QStringList{"answer", "16MnR", "16mnr"} << QStringList{"answer", "16MnR"};
    QTest::newRow("the same as JSON, named twice")
        << QStringList{"answer", "-f", "json", "-p", "saw", "1Cr23Ni13(-)", "1Cr23Ni13(-)"}
        << QStringList{"answer", "-f", "json", "-p", "saw", "1Cr23Ni13(-)"};
    QTest::newRow("spaces around") << QStringList{"answer", "0Cr18Ni9(304) ", "\u3000316L"}
                                   << QStringList{"answer", "0Cr18Ni9(304)", "316L"};
    QTest::newRow("without brackets")
        << QStringList{"answer", "-p", "gtaw", "C-276", "16Mn"}
        << QStringList{"answer", "-p", "gtaw", "C-276(UNS N10276)", "16Mn(Q345)"};
}

// Names written as people write them answer as the designations they mean; a joint
// of a material with itself answers, and exits, as the material alone, and its JSON
// names the material twice.
void CliNamesTest::namesAsPeopleWriteThem() {
    QFETCH(QStringList, written);
    QFETCH(QStringList, meant);

    const Run asWritten = runCli(written);
    const Run asMeant = runCli(meant);
    QCOMPARE(asWritten.err, QByteArray());
    QCOMPARE(asWritten.status, asMeant.status);
    if (!written.contains("json")) {
        QCOMPARE(asWritten.out, asMeant.out);
        return;
    }
    const QJsonObject twice = QJsonDocument::fromJson(asWritten.out).array().at(0).toObject();
    QJsonObject once = QJsonDocument::fromJson(asMeant.out).array().at(0).toObject();
    const QJsonArray materials = once["materials"].toArray();
    QCOMPARE(materials.size(), 1);
    once["materials"] = QJsonArray{materials[0], materials[0]};
    QCOMPARE(twice, once);
}

void CliNamesTest::namesOfTodaysDrawings_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // what standard output holds
    QTest::addColumn<QString>("err"); // what standard error holds; empty: nothing
    QTest::addColumn<QStringList>("sameOutAs");

    QTest::newRow("answer says what it read, and answers as the designations")
        << QStringList{"answer", "-p", "gtaw", "Q345R", "s30408"} << QByteArray() << 0
        << "手工氩弧焊(GTAW)"
        << "Q345R 按 GB/T 713-2008 及以后版本 即 16MnR\nS30408 按 GB/T 20878-2007 即 "
           "0Cr18Ni9(304)\n"
        << QStringList{"answer", "-p", "gtaw", "16MnR", "0Cr18Ni9(304)"};
    QTest::newRow("JSON gives what was typed and how it was read")
        << QStringList{"answer", "-f", "json", "-p", "smaw", "q235b"} << QByteArray() << 0
        << R"("translations": [
            {
                "kind": "notation",
                "material": "Q235-B,C",
                "name": "Q235B",
                "standard": "GB/T 700",
                "text": "Q235B 按 GB/T 700 即 Q235-B,C",
                "typed": "q235b"
            }
        ])"
        << "Q235B 按 GB/T 700 即 Q235-B,C" << QStringList();
    QTest::newRow("a joint list's row says what its names were read as")
        << QStringList{"batch", "-p", "smaw", "-f", "csv", "-"}
        << QByteArray("焊缝编号,母材\nW-1,Q345R，S30408\nW-2,16MnR\n") << 0
        << "焊缝编号,材料1,材料2,名称换算,焊条电弧焊(SMAW) 焊条型号,"
           "焊条电弧焊(SMAW) 焊条牌号,焊条电弧焊(SMAW) 保护气体\r\n"
           "W-1,16MnR,0Cr18Ni9(304),Q345R 按 GB/T 713-2008 及以后版本 即 16MnR；S30408 按 GB/T "
           "20878-2007 即 0Cr18Ni9(304),"
        << "" << QStringList();
    QTest::newRow("a refused name says why, in every command")
        << QStringList{"answer", "Q235"} << QByteArray() << 2 << ""
        << "“Q235”不能作为目录中的材料：Q235 没有写质量等级" << QStringList();
    QTest::newRow("names: how a grade names its material, and its other names")
        << QStringList{"names", "304"} << QByteArray() << 0
        << "“304”即 0Cr18Ni9(304)：目录牌号括号中的牌号\n0Cr18Ni9(304) 的其他名称："
           "06Cr19Ni10（现行国标牌号，GB/T 20878-2007）、S30408（统一数字代号，GB/T 20878-2007）"
        << "" << QStringList();
    QTest::newRow("names: the whole table")
        << QStringList{"names"} << QByteArray() << 0
        << "名称\t目录牌号\t类别\t依据\nQ235A\tQ235-A(F)\t常见写法\tGB/T 700\n"
        << "" << QStringList();
    QTest::newRow("names: a refused name")
        << QStringList{"names", "s42020"} << QByteArray() << 2
        << "“s42020”不能作为目录中的材料：在 GB/T 20878 中是 20Cr13 的统一数字代号"
        << "" << QStringList();
}

// A name of today's drawings answers as its designation, and every face that answers
// it says what it was read as; a name the table refuses is refused with its reason.
void CliNamesTest::namesOfTodaysDrawings() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QStringList, sameOutAs);

    const Run run = runCli(arguments, input);
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromUtf8(run.out).contains(out), run.out.constData());
    if (err.isEmpty()) {
        QCOMPARE(run.err, QByteArray());
    } else {
        QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
    }
    if (!sameOutAs.isEmpty()) {
        QCOMPARE(run.out, runCli(sameOutAs).out);
    }
}

#ifndef Q_OS_WIN
// Arguments that are not UTF-8, as a terminal in another encoding passes them, name
// nothing. Qt decodes the arguments before the look-up, so the name looked up is made
// of U+FFFD; material_names_test looks up raw invalid bytes.
void CliNamesTest::undecodableArgumentNamesNothing() {
    const Run run = runProgram("/bin/sh", {"-c", "exec \"$0\" answer \"$(printf '\\377\\376')\"",
                                           QStringLiteral(VELMORA_CLI)});
    QCOMPARE(run.status, 2);
    QVERIFY(QString::fromUtf8(run.err).contains("最接近的是"));
}
#endif

QTEST_GUILESS_MAIN(CliNamesTest)
#include "cli_names_test.moc"
