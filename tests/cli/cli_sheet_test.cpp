// velmora-cli sheet: the answer sheet written as PDF, with or without a display, and
// nothing of Qt's own remarks said.

#include "cli_support.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

class CliSheetTest : public QObject {
    Q_OBJECT
private slots:
    void sheetWritesTheAnswerSheet();
#ifndef Q_OS_WIN
    void sheetNeedsNoDisplay_data();
    void sheetNeedsNoDisplay();
    void sheetKeepsQtsRemarksToItself_data();
    void sheetKeepsQtsRemarksToItself();
#endif
};

void CliSheetTest::sheetWritesTheAnswerSheet() {
    QTemporaryDir dir;
    const QString unwritable = dir.filePath("焊材选用单.pdf/inside.pdf");
    const Run failed = runCliProcess({"sheet", "-o", unwritable, "316L"});
    QCOMPARE(failed.status, 3);
    QVERIFY(QString::fromUtf8(failed.err).contains("焊材选用单未能保存到"));
    QVERIFY(!QFile::exists(unwritable));

    const QString pdf = dir.filePath("焊材选用单.pdf");
    const Run run = runCliProcess({"sheet", "--output", pdf, "316L", "16MnR"});
    QCOMPARE(run.status, 0);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF-"));
#ifdef Q_OS_WIN
    QSKIP("the sheet's text is read back with pdftotext on Linux only");
#else
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is missing: the sheet's text is not read back");
    }
    const QString text = QString::fromUtf8(runProgram(pdftotext, {pdf, "-"}).out);
    QVERIFY2(text.contains("焊材选用单") && text.contains("00Cr17Ni14Mo2(316L)") &&
                 text.contains("16MnR"),
             qPrintable(text));
#endif
}

#ifndef Q_OS_WIN
void CliSheetTest::sheetNeedsNoDisplay_data() {
    QTest::addColumn<QString>("platform");
    QTest::newRow("xcb") << "xcb";
    QTest::newRow("wayland") << "wayland";
}

// As from an ssh session or a cron job: a desktop platform asked for, no display, no
// runtime folder. The sheet is drawn all the same, and nothing is said.
void CliSheetTest::sheetNeedsNoDisplay() {
    QFETCH(QString, platform);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", platform);
    environment.insert("DISPLAY", "");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("XDG_RUNTIME_DIR");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("joint.pdf");
    const Run run = runCliProcess({"sheet", "-o", pdf, "316L", "16MnR"}, environment);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF-"));
}

void CliSheetTest::sheetKeepsQtsRemarksToItself_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");

    QTest::newRow("no --output") << QStringList{"sheet", "316L"} << 2
                                 << "请用 --output 给出 PDF 文件";
    QTest::newRow("an unknown name")
        << QStringList{"sheet", "-o", "x.pdf", "316x"} << 2 << "没有名为“316x”的材料";
    QTest::newRow("a folder that is not there")
        << QStringList{"sheet", "-o", "没有的文件夹/x.pdf", "316L"} << 3 << "焊材选用单未能保存到";
}

// With a display and no XDG_RUNTIME_DIR, as under su or cron: Qt remarks on the
// missing folder, which has nothing to do with a mistyped command or a missing folder
// for the PDF, and is not said.
void CliSheetTest::sheetKeepsQtsRemarksToItself() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", ":0");
    environment.remove("XDG_RUNTIME_DIR");
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_CLI), arguments);
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), status);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.startsWith(said), qPrintable(err));
    QVERIFY2(!err.contains("XDG_RUNTIME_DIR"), qPrintable(err));
}
#endif

QTEST_GUILESS_MAIN(CliSheetTest)
#include "cli_sheet_test.moc"
