// velmora-cli batch: a list of joints, in the encodings and layouts spreadsheets save,
// answered row by row as the table answers; every bad line said, and nothing written.

#include "cli_support.h"

#include <QFile>
#include <QTemporaryDir>

class CliBatchTest : public QObject {
    Q_OBJECT
private slots:
    void batch_data();
    void batch();
    void batchRowsAreTableRows();
};

void CliBatchTest::batch_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("onStandardInput");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("written"); // the whole file; empty: none written
    QTest::addColumn<QStringList>("said");   // the lines on standard error, in part

    const QByteArray header = "line\tprocess\tmaterial1\tmaterial2\toutcome\ttext1\ttext2\ttext3\n";
    const QByteArray smaw16MnR =
        "\tanswer\t焊条型号：E5015 E5016\t焊条牌号：J507  J506\t保护气体：无\n";
    const QStringList smaw{"-p", "smaw"};
    QTest::newRow("UTF-8 with BOM, header, comment, CRLF")
        << QByteArray(
               "\xEF\xBB\xBF材料1,材料2\r\n# 接头\r\n\r\n16MnR,\"Q235-B,C\"\r\n316L\r\n,\r\n")
        << false << smaw << 0
        << header + "4\tsmaw\t16MnR\tQ235-B,C" + smaw16MnR +
               "5\tsmaw\t00Cr17Ni14Mo2(316L)\t\tanswer\t焊条型号：E316L-16\t焊条牌号：A022\t"
               "保护气体：无\n"
        << QStringList();
    // GBK as Excel saves CSV on Chinese Windows: B9 DC is 管; BA B8 B7 EC is 焊缝.
    QTest::newRow("GBK") << QByteArray("\"10#,20#(\xB9\xDC)\",16MnR\n# \xBA\xB8\xB7\xEC\n") << false
                         << smaw << 0 << header + "1\tsmaw\t10#,20#(管)\t16MnR" + smaw16MnR
                         << QStringList();
    QTest::newRow("tabs on standard input")
        << QByteArray("material1\tmaterial2\n16MnR\tQ235-B,C\n") << true << smaw << 0
        << header + "2\tsmaw\t16MnR\tQ235-B,C" + smaw16MnR << QStringList();
    QTest::newRow("no rule is a row, not an error")
        << QByteArray("0Cr18Ni10Ti(321),15CrMo(G、R)\n") << false << QStringList{"-p", "mag"} << 0
        << header + "1\tmag\t0Cr18Ni10Ti(321)\t15CrMo(G、R)\tnot_found\t\t\t\n"
        << QStringList();
    QTest::newRow("every bad line said, nothing written")
        << QByteArray("316x\n16MnR,20g,40Cr\n316L,00cr17ni14mo2(316l)\n\"16MnR\n16MnR\n") << false
        << QStringList() << 2 << QByteArray()
        << QStringList{"第 1 行：第 1 格“316x”：没有名为“316x”的材料", "第 2 行：最多两种材料",
                       "第 4 行：引号没有闭合"};
    // As Excel saves a joint list on Chinese Windows, and opens the answers again.
    QTest::newRow("joint number and note, a row per joint for Excel, GBK")
        << QByteArray("\xBA\xB8\xB7\xEC\xB1\xE0\xBA\xC5,\xC4\xB8\xB2\xC4\x31,\xC4\xB8\xB2\xC4\x32,"
                      "\xB1\xB8\xD7\xA2\r\nW-001,16MnR,\"Q235-B,C\",\xB9\xDC\r\n")
        << false << QStringList{"-p", "smaw", "-f", "csv"} << 0
        << QByteArray("\xEF\xBB\xBF焊缝编号,备注,材料1,材料2,焊条电弧焊(SMAW) 焊条型号,"
                      "焊条电弧焊(SMAW) 焊条牌号,焊条电弧焊(SMAW) 保护气体\r\n"
                      "W-001,管,16MnR,\"Q235-B,C\",E5015 E5016,J507  J506,无\r\n")
        << QStringList();
    QTest::newRow("columns by number, carried in the rows")
        << QByteArray("W-1;x\t16MnR\tQ235-B,C\n") << true
        << QStringList{"-p", "smaw", "--columns", "2,3"} << 0
        << QByteArray("line\tcolumn1\tprocess\tmaterial1\tmaterial2\toutcome\ttext1\ttext2\ttext3\n"
                      "1\tW-1;x\tsmaw\t16MnR\tQ235-B,C") +
               smaw16MnR
        << QStringList();
    QTest::newRow("columns that are no columns")
        << QByteArray("16MnR\n") << true << QStringList{"--columns", "0,1"} << 2 << QByteArray()
        << QStringList{"--columns 应是一列或两列", ""}; // and the usage line
    QTest::newRow("a first line without a label is no header")
        << QByteArray("foo,bar\n16MnR\n") << true << QStringList() << 2 << QByteArray()
        << QStringList{"第 1 行：第 1 格“foo”：没有名为“foo”的材料"};
    QTest::newRow("neither UTF-8 nor GB18030")
        << QByteArray("\xFF\xFE"
                      "316L\n")
        << true << QStringList() << 2 << QByteArray()
        << QStringList{"标准输入：既不是 UTF-8 或 GB18030 文本，也不是 .xlsx 工作簿；请在 Excel "
                       "中另存为 .xlsx 或 CSV"};
}

void CliBatchTest::batch() {
    QFETCH(QByteArray, input);
    QFETCH(bool, onStandardInput);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QByteArray, written);
    QFETCH(QStringList, said);

    QTemporaryDir dir;
    const QString list = dir.filePath("接头.csv");
    const QString output = dir.filePath("结果.tsv");
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(input) == input.size());
    file.close();
    const Run run = runCli(QStringList{"batch"} + options +
                               QStringList{"-o", output, onStandardInput ? "-" : list},
                           onStandardInput ? input : QByteArray());
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QByteArray());
    QFile result(output);
    QCOMPARE(result.exists(), !written.isEmpty());
    if (result.open(QIODevice::ReadOnly)) {
        QCOMPARE(result.readAll(), written);
    }
    const QStringList lines = QString::fromUtf8(run.err).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), said.size());
    for (qsizetype i = 0; i < said.size(); ++i) {
        QVERIFY2(lines[i].startsWith(said[i]), qPrintable(lines[i]));
    }
}

// Without --process, a joint's four rows in button order, each a row of `table` after
// its line number (the materials in the list's order); CSV as table's, with the
// byte-order mark.
void CliBatchTest::batchRowsAreTableRows() {
    const QByteArray list = "16MnR,\"Q235-B,C\"\n\n40Cr\n";
    const QStringList table = QString::fromUtf8(runCli({"table"}).out).split('\n');
    const Run tsv = runCli({"batch", "-"}, list);
    QCOMPARE(tsv.status, 0);
    const QStringList rows = QString::fromUtf8(tsv.out).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 1 + 2 * 4);
    QCOMPARE(rows[0], "line\t" + table[0]);
    const QStringList processes{"smaw", "mag", "gtaw", "saw"};
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList fields = rows[i].split('\t');
        QCOMPARE(fields[0], i <= 4 ? "1" : "3");
        QCOMPARE(fields[1], processes[(i - 1) % 4]);
        // The table names a pair in catalogue order, the list in its own.
        QStringList swapped = fields.mid(1);
        swapped.swapItemsAt(1, 2);
        QVERIFY2(table.contains(fields.mid(1).join('\t')) || table.contains(swapped.join('\t')),
                 qPrintable(rows[i]));
    }
    const Run csv = runCli({"batch", "--format", "csv", "--layout", "rows", "-"}, list);
    QVERIFY(csv.out.startsWith("\xEF\xBB\xBFline,process,material1,"));
    QCOMPARE(csv.out.count("\r\n"), rows.size());
}

QTEST_GUILESS_MAIN(CliBatchTest)
#include "cli_batch_test.moc"
