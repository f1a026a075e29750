// velmora-cli's commands and options: what each prints and exits with, what a mistake
// is told, each command's own --help, and --output in place of standard output.

#include "cli_support.h"

#include <QFile>
#include <QTemporaryDir>

class CliCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void eachCommandHasItsOwnHelp_data();
    void eachCommandHasItsOwnHelp();
    void answerWithoutProcessGivesAllFourInButtonOrder();
    void outputGoesToTheFile_data();
    void outputGoesToTheFile();
#ifndef Q_OS_WIN
    void aFullDiskIsSaid();
#endif
};

void CliCommandsTest::commands_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // null: not compared
    QTest::addColumn<QString>("err"); // what standard error holds; empty: nothing

    // The usage line ends by naming the --help to read.
    const QString answerUsage = "（velmora-cli answer --help 查看说明）";
    const QString generalUsage = "（velmora-cli --help 查看说明）";
    QTest::newRow("answer")
        << QStringList{"answer", "--process", "smaw", "16MnR", "q235-b,c"} << 0
        << "焊条电弧焊(SMAW)\n焊条型号：E5015 E5016\n焊条牌号：J507  J506\n保护气体：无\n"
        << "";
    QTest::newRow("answer in full-width forms")
        << QStringList{"answer", "-p", "smaw", "１６ＭｎＲ", "Ｑ２３５－Ｂ，Ｃ"} << 0
        << "焊条电弧焊(SMAW)\n焊条型号：E5015 E5016\n焊条牌号：J507  J506\n保护气体：无\n"
        << "";
    QTest::newRow("answer by grades, process in capitals")
        << QStringList{"answer", "-p", "GTAW", "304", "UNS N08367"} << 0 << QString() << "";
    QTest::newRow("pair without a rule")
        << QStringList{"answer", "-p", "mag", "0Cr18Ni10Ti(321)", "15CrMo(G、R)"} << 1
        << "气体保护焊(MAG)\n未查询到合适的焊材\n"
        << "";
    QTest::newRow("material without an entry") << QStringList{"answer", "-p", "saw", "1Cr23Ni13(-)"}
                                               << 1 << "埋弧焊(SAW)\n未查询到合适的焊材\n"
                                               << "";
    QTest::newRow("all four answer 0 even where one has no rule")
        << QStringList{"answer", "1Cr23Ni13(-)"} << 0 << QString() << "";
    QTest::newRow("all four answer 0 even where the first has no rule")
        << QStringList{"answer", "0Cr25Ni20(310S)", "Incoloy800(UNS N08800)"} << 0 << QString()
        << "";
    QTest::newRow("materials") << QStringList{"materials"} << 0 << QString() << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << QString() << "";
    QTest::newRow("unknown name")
        << QStringList{"answer", "316x"} << 2 << ""
        << "没有名为“316x”的材料，最接近的是：“0Cr17Ni12Mo2(316)”、“00Cr17Ni14Mo2(316L)”、"
           "“0Cr19Ni13Mo3(317)”";
    QTest::newRow("bracketed note is no name") << QStringList{"answer", "管"} << 2 << ""
                                               << "没有名为“管”的材料，最接近的是：“10#,20#(管)”";
    QTest::newRow("no command") << QStringList{} << 2 << "" << generalUsage;
    QTest::newRow("unknown command") << QStringList{"frob"} << 2 << "" << generalUsage;
    QTest::newRow("no material") << QStringList{"answer"} << 2 << "" << answerUsage;
    QTest::newRow("third material")
        << QStringList{"answer", "16MnR", "20g", "40Cr"} << 2 << "" << answerUsage;
    QTest::newRow("unknown option")
        << QStringList{"answer", "--bogus", "16MnR"} << 2 << "" << answerUsage;
    QTest::newRow("unknown process")
        << QStringList{"answer", "-p", "tig", "16MnR"} << 2 << "" << answerUsage;
    QTest::newRow("process twice")
        << QStringList{"answer", "-p", "smaw", "-p", "mag", "16MnR"} << 2 << "" << answerUsage;
    QTest::newRow("option missing its value")
        << QStringList{"answer", "16MnR", "-p"} << 2 << "" << answerUsage;
    QTest::newRow("option of another command")
        << QStringList{"materials", "--process", "smaw"} << 2 << ""
        << "（velmora-cli materials --help 查看说明）";
    QTest::newRow("table format of answer") << QStringList{"table", "--format", "text"} << 2 << ""
                                            << "（velmora-cli table --help 查看说明）";
    QTest::newRow("sheet without output") << QStringList{"sheet", "16MnR"} << 2 << ""
                                          << "（velmora-cli sheet --help 查看说明）";
    QTest::newRow("very long name") << QStringList{"answer", QString(100000, 'x')} << 2 << ""
                                    << "最接近的是";
}

void CliCommandsTest::commands() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const Run run = runCli(arguments);
    QCOMPARE(run.status, status);
    // The program is named as people type it, not by the path it was started from.
    QVERIFY2(!run.err.contains(VELMORA_CLI), run.err.constData());
    if (!out.isNull()) {
        QCOMPARE(QString::fromUtf8(run.out), out);
    } else {
        QVERIFY(!run.out.isEmpty());
    }
    if (err.isEmpty()) {
        QCOMPARE(run.err, QByteArray());
    } else {
        QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
    }
}

void CliCommandsTest::eachCommandHasItsOwnHelp_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("says");
    QTest::addColumn<QStringList>("saysNot");

    QTest::newRow("velmora-cli") << QStringList{"--help"}
                                 << QStringList{"answer", "materials", "table", "sheet"}
                                 << QStringList{"--process", "--format"};
    QTest::newRow("answer") << QStringList{"answer", "--help"}
                            << QStringList{"--process <smaw|mag|gtaw|saw>", "<text|json>",
                                           "MATERIAL [MATERIAL]"}
                            << QStringList{"tsv", "sheet"};
    QTest::newRow("table") << QStringList{"table", "-h"}
                           << QStringList{"<tsv|csv|json>", "--output"}
                           << QStringList{"--process", "MATERIAL"};
    QTest::newRow("sheet") << QStringList{"sheet", "--help"}
                           << QStringList{"--output", "MATERIAL [MATERIAL]"}
                           << QStringList{"--format", "--process"};
}

// Each command's --help shows its own options and arguments, and no one else's.
void CliCommandsTest::eachCommandHasItsOwnHelp() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, says);
    QFETCH(QStringList, saysNot);

    const Run run = runCli(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    const QString help = QString::fromUtf8(run.out);
    for (const QString& text : says) {
        QVERIFY2(help.contains(text), qPrintable(text));
    }
    for (const QString& text : saysNot) {
        QVERIFY2(!help.contains(text), qPrintable(text));
    }
}

void CliCommandsTest::answerWithoutProcessGivesAllFourInButtonOrder() {
    QStringList each;
    for (const char* process : {"smaw", "mag", "gtaw", "saw"}) {
        each << QString::fromUtf8(runCli({"answer", "-p", process, "40Cr", "16MnR"}).out);
    }
    const Run all = runCli({"answer", "40Cr", "16MnR"});
    QCOMPARE(all.status, 0);
    QCOMPARE(QString::fromUtf8(all.out), each.join('\n'));
}

void CliCommandsTest::outputGoesToTheFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");

    QTest::newRow("answer, no rule")
        << QStringList{"answer", "-p", "mag", "0Cr18Ni10Ti(321)", "15CrMo(G、R)"} << 1;
    QTest::newRow("materials as JSON") << QStringList{"materials", "--format", "json"} << 0;
    QTest::newRow("table as CSV") << QStringList{"table", "-f", "csv"} << 0;
}

// --output writes what standard output would get, or nothing and status 3.
void CliCommandsTest::outputGoesToTheFile() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);

    QTemporaryDir dir;
    const QString file = dir.filePath("结果.txt");
    const Run printed = runCli(arguments);
    const Run saved = runCli(arguments + QStringList{"--output", file});
    QCOMPARE(saved.status, status);
    QCOMPARE(saved.out, QByteArray());
    QCOMPARE(saved.err, QByteArray());
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), printed.out);

    const QString unwritable = dir.filePath("没有的文件夹/结果.txt");
    const Run failed = runCli(arguments + QStringList{"-o", unwritable});
    QCOMPARE(failed.status, 3);
    QCOMPARE(failed.out, QByteArray());
    QVERIFY2(QString::fromUtf8(failed.err).startsWith("结果未能保存到 "), failed.err.constData());
    QVERIFY(!QFile::exists(unwritable));
}

#ifndef Q_OS_WIN
// Standard output on a full disk: the answer is not given, and the program says so.
void CliCommandsTest::aFullDiskIsSaid() {
    if (!QFile::exists("/dev/full")) {
        QSKIP("no /dev/full on this system");
    }
    const Run run = runProgram(
        "/bin/sh", {"-c", "exec \"$0\" answer 316L > /dev/full", QStringLiteral(VELMORA_CLI)});
    QCOMPARE(run.status, 3);
    QVERIFY2(QString::fromUtf8(run.err).contains("无法写出结果"), run.err.constData());
}
#endif

QTEST_GUILESS_MAIN(CliCommandsTest)
#include "cli_commands_test.moc"
