#include "cli_support.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

// The command line's own words, run in this process through its library: what each
// command says on standard output and standard error, and its exit status.
class CliMessagesTest : public QObject {
    Q_OBJECT
private slots:
    void saysWhatItShould_data();
    void saysWhatItShould();
};

void CliMessagesTest::saysWhatItShould_data() {
    QTest::addColumn<QStringList>("arguments"); // "{list}": a file holding `list`
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // a line standard output has ("": it is empty)
    QTest::addColumn<QString>("err"); // standard error's first line ("": it is empty)
    QTest::newRow("an unknown process")
        << QStringList{"answer", "16MnR", "-p", "tig"} << QByteArray() << 2 << ""
        << "未知的焊接方法：tig";
    QTest::newRow("an unknown format")
        << QStringList{"answer", "-f", "xml", "16MnR"} << QByteArray() << 2 << ""
        << "未知的输出格式：xml";
    QTest::newRow("three materials")
        << QStringList{"answer", "16MnR", "20g", "40Cr"} << QByteArray() << 2 << ""
        << "最多两种材料";
    QTest::newRow("two formats to choose")
        << QStringList{"answer", "--help"} << QByteArray() << 0
        << "  -f, --format <text|json>           输出格式：text（默认）或 json。"
        << "";
    QTest::newRow("four formats to choose")
        << QStringList{"batch", "--help"} << QByteArray() << 0
        << "  -f, --format <tsv|csv|json|xlsx>   输出格式：tsv（默认）、csv、json 或 xlsx。"
        << "";
    QTest::newRow("a line break TSV cannot hold")
        << QStringList{"batch", "-f", "tsv", "{list}"} << QByteArray("焊缝,母材1\n\"W\n1\",16MnR\n")
        << 3 << ""
        << "有文本含有制表符或换行，不能写成 TSV（可改用 --format csv、json 或 xlsx）：W";
    QTest::newRow("a list's faulty line")
        << QStringList{"batch", "{list}"} << QByteArray("焊缝,母材1\nW1,16MnR\nW2,Q235\n") << 2
        << ""
        << "第 3 行：第 2 格“Q235”：“Q235”不能作为目录中的材料：Q235 没有写质量等级，而目录中 "
           "Q235-A(F) 与 Q235-B,C 的推荐焊材不同；请写 Q235A 或 "
           "Q235B。可能是：“Q235-A(F)”、“Q235-B,C”";
    QTest::newRow("a name's material's other names")
        << QStringList{"names", "S30408"} << QByteArray() << 0
        << "0Cr18Ni9(304) 的其他名称：06Cr19Ni10（现行国标牌号，GB/T 20878-2007）、S30400（UNS "
           "编号，ASTM A240）、SUS304（JIS 牌号，JIS G4304）、1.4301（EN 牌号，EN 10088）"
        << "";
    QTest::newRow("what a name is")
        << QStringList{"names", "S30408"} << QByteArray() << 0
        << "S30408 按 GB/T 20878-2007 即 0Cr18Ni9(304)：统一数字代号，"
           "06Cr19Ni10 的统一数字代号（不是 UNS 编号，UNS 编号为 S30400）"
        << "";
}

void CliMessagesTest::saysWhatItShould() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, list);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("list.csv"));
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(list) == list.size());
    written.close();
    arguments.replaceInStrings(QStringLiteral("{list}"), file);

    const Run ran = runCli(arguments);
    QCOMPARE(ran.status, status);
    const QByteArray stdoutBytes = ran.out;
    const QStringList outLines = QString::fromUtf8(stdoutBytes).split(u'\n');
    if (out.isEmpty()) {
        QCOMPARE(QString::fromUtf8(stdoutBytes), QString());
    } else {
        QVERIFY2(outLines.contains(out), qPrintable(QString::fromUtf8(stdoutBytes)));
    }
    QCOMPARE(QString::fromUtf8(ran.err).section(u'\n', 0, 0), err);
}

QTEST_GUILESS_MAIN(CliMessagesTest)
#include "cli_messages_test.moc"
