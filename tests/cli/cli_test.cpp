#include "version.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
               const QByteArray& input = {}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

Run runCli(const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    return runProgram(QStringLiteral(VELMORA_CLI), arguments, environment);
}

// velmora-cli with `input` on standard input.
Run runCli(const QStringList& arguments, const QByteArray& input) {
    return runProgram(QStringLiteral(VELMORA_CLI), arguments,
                      QProcessEnvironment::systemEnvironment(), input);
}

QByteArray pinnedAnswers() {
    QFile file(QStringLiteral(VELMORA_ANSWERS_TSV));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One CSV record of the table, RFC 4180 quoting undone.
QStringList csvFields(const QString& record) {
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < record.size(); ++i) {
        const QChar c = record[i];
        if (quoted && c == '"' && i + 1 < record.size() && record[i + 1] == '"') {
            fields.back() += c;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields << QString();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

QStringList jsonFields(const QJsonObject& o) {
    const QJsonArray materials = o["materials"].toArray();
    QStringList f{o["process"].toString(), materials.at(0).toString(), materials.at(1).toString(),
                  o["outcome"].toString()};
    const QJsonArray texts = o["texts"].toArray();
    for (int i = 0; i < 3; ++i) {
        f << texts.at(i).toString();
    }
    return f;
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void eachCommandHasItsOwnHelp_data();
    void eachCommandHasItsOwnHelp();
    void answerWithoutProcessGivesAllFourInButtonOrder();
    void jsonObjectsHoldTheirKeys_data();
    void jsonObjectsHoldTheirKeys();
    void namesAsPeopleWriteThem_data();
    void namesAsPeopleWriteThem();
    void namesOfTodaysDrawings_data();
    void namesOfTodaysDrawings();
    void tableFormatsAgree();
    void tableMatchesTheCommittedAnswers();
    void fingerprintIsThatOfThePinnedAnswers_data();
    void fingerprintIsThatOfThePinnedAnswers();
    void batch_data();
    void batch();
    void batchRowsAreTableRows();
    void outputGoesToTheFile_data();
    void outputGoesToTheFile();
    void sheetWritesTheAnswerSheet();
#ifndef Q_OS_WIN
    void sheetNeedsNoDisplay_data();
    void sheetNeedsNoDisplay();
    void sheetKeepsQtsRemarksToItself_data();
    void sheetKeepsQtsRemarksToItself();
    void undecodableArgumentNamesNothing();
    void aFullDiskIsSaid();
#endif
};

void CliTest::commands_data() {
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

void CliTest::commands() {
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

void CliTest::eachCommandHasItsOwnHelp_data() {
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
void CliTest::eachCommandHasItsOwnHelp() {
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

void CliTest::answerWithoutProcessGivesAllFourInButtonOrder() {
    QStringList each;
    for (const char* process : {"smaw", "mag", "gtaw", "saw"}) {
        each << QString::fromUtf8(runCli({"answer", "-p", process, "40Cr", "16MnR"}).out);
    }
    const Run all = runCli({"answer", "40Cr", "16MnR"});
    QCOMPARE(all.status, 0);
    QCOMPARE(QString::fromUtf8(all.out), each.join('\n'));
}

void CliTest::jsonObjectsHoldTheirKeys_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("keys");

    const QStringList answerKeys{"materials", "outcome", "process", "rules", "texts"};
    QTest::newRow("answer, one material")
        << QStringList{"answer", "-f", "json", "316L"} << QByteArray() << answerKeys;
    QTest::newRow("table") << QStringList{"table", "-f", "json"} << QByteArray() << answerKeys;
    QTest::newRow("batch") << QStringList{"batch", "-f", "json", "-"}
                           << QByteArray("316L\n40Cr,20g\n")
                           << answerKeys + QStringList{"carried", "line"};
}

// Each object has its keys and no other, and names only the materials there are: no
// "" for a slot left empty, no line where there is no list.
void CliTest::jsonObjectsHoldTheirKeys() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, keys);

    keys.sort();
    const Run run = runCli(arguments, input);
    QCOMPARE(run.status, 0);
    const QJsonArray objects = QJsonDocument::fromJson(run.out).array();
    QVERIFY(!objects.isEmpty());
    for (const QJsonValue& value : objects) {
        const QJsonObject object = value.toObject();
        QStringList seen = object.keys();
        seen.sort();
        QCOMPARE(seen, keys);
        for (const QJsonValue& material : object["materials"].toArray()) {
            QVERIFY(!material.toString().isEmpty());
        }
    }
    if (arguments.front() == "answer") {
        QCOMPARE(objects[0]["materials"].toArray(), QJsonArray{"00Cr17Ni14Mo2(316L)"});
    }
}

void CliTest::namesAsPeopleWriteThem_data() {
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
void CliTest::namesAsPeopleWriteThem() {
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

void CliTest::namesOfTodaysDrawings_data() {
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
void CliTest::namesOfTodaysDrawings() {
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

// TSV, CSV and JSON hold the same 4 × 947 rows: the empty selection, the 43 materials
// alone, the 903 pairs, for each process.
void CliTest::tableFormatsAgree() {
    const QStringList tsv = QString::fromUtf8(runCli({"table"}).out).split('\n');
    const QByteArray csvBytes = runCli({"table", "-f", "csv"}).out;
    const QStringList csv = QString::fromUtf8(csvBytes.mid(3)).split("\r\n");
    const QJsonArray json = QJsonDocument::fromJson(runCli({"table", "-f", "json"}).out).array();
    QVERIFY(csvBytes.startsWith("\xEF\xBB\xBFprocess,")); // the byte-order mark for Excel
    QCOMPARE(tsv.size(), 1 + 4 * 947 + 1); // header, rows, nothing after the last line end
    QCOMPARE(tsv.back(), "");
    QCOMPARE(csv.size(), tsv.size());
    QCOMPARE(json.size(), 4 * 947);
    QCOMPARE(csvFields(csv[0]), tsv[0].split('\t'));
    for (qsizetype i = 1; i + 1 < tsv.size(); ++i) {
        const QStringList fields = tsv[i].split('\t');
        QCOMPARE(fields.size(), 7);
        QCOMPARE(csvFields(csv[i]), fields);
        QCOMPARE(jsonFields(json[i - 1].toObject()), fields);
    }
    QCOMPARE(tsv[1 + 947 + 44].split('\t').mid(0, 3),
             QStringList({"mag", "Q235-A(F)", "Q235-B,C"}));
    QCOMPARE(tsv[4 * 947].split('\t').mid(0, 3),
             QStringList({"saw", "ZG40Cr28Ni16(-)", "904L(UNS N08904)"}));
}

// A changed rule shows up as a diff of tests/recommend/answers.tsv; regenerate it with
// `velmora-cli table --output tests/recommend/answers.tsv` after an intended change.
void CliTest::tableMatchesTheCommittedAnswers() {
    const QByteArray committed = pinnedAnswers();
    QVERIFY(!committed.isEmpty());
    const Run run = runCli({"table", "--format", "tsv"});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out == committed, "velmora-cli table differs from answers.tsv");
}

void CliTest::fingerprintIsThatOfThePinnedAnswers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("version") << QStringList{"--version"} << QByteArray();
    QTest::newRow("answer") << QStringList{"answer", "-f", "json", "316L"} << QByteArray();
    QTest::newRow("table") << QStringList{"table", "--format", "json"} << QByteArray();
    QTest::newRow("batch") << QStringList{"batch", "-f", "json", "-"} << QByteArray("16MnR,40Cr\n");
}

// The first 8 hex digits of the SHA-256 of the pinned answers: --version says it, and
// every JSON object carries it.
void CliTest::fingerprintIsThatOfThePinnedAnswers() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);

    const QByteArray pinned = pinnedAnswers();
    QVERIFY(!pinned.isEmpty());
    const QString fingerprint = QString::fromLatin1(
        QCryptographicHash::hash(pinned, QCryptographicHash::Sha256).toHex().left(8));
    const Run run = runCli(arguments, input);
    QCOMPARE(run.status, 0);
    if (arguments.front() == "--version") {
        QCOMPARE(QString::fromUtf8(run.out),
                 QStringLiteral("velmora-cli %1\n规则库指纹：%2\n")
                     .arg(QString::fromUtf8(velmora::kVersion.data(),
                                            qsizetype(velmora::kVersion.size())),
                          fingerprint));
        return;
    }
    const QJsonArray objects = QJsonDocument::fromJson(run.out).array();
    QVERIFY(!objects.isEmpty());
    for (const QJsonValue& object : objects) {
        QCOMPARE(object["rules"].toString(), fingerprint);
    }
}

void CliTest::batch_data() {
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
        << QStringList{"标准输入：既不是 UTF-8 或 GB18030 文本，也不是 .xlsx 工作簿；请在 Excel 中另存为 .xlsx 或 CSV"};
}

void CliTest::batch() {
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
void CliTest::batchRowsAreTableRows() {
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

void CliTest::outputGoesToTheFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");

    QTest::newRow("answer, no rule")
        << QStringList{"answer", "-p", "mag", "0Cr18Ni10Ti(321)", "15CrMo(G、R)"} << 1;
    QTest::newRow("materials as JSON") << QStringList{"materials", "--format", "json"} << 0;
    QTest::newRow("table as CSV") << QStringList{"table", "-f", "csv"} << 0;
}

// --output writes what standard output would get, or nothing and status 3.
void CliTest::outputGoesToTheFile() {
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

void CliTest::sheetWritesTheAnswerSheet() {
    QTemporaryDir dir;
    const QString unwritable = dir.filePath("焊材选用单.pdf/inside.pdf");
    const Run failed = runCli({"sheet", "-o", unwritable, "316L"});
    QCOMPARE(failed.status, 3);
    QVERIFY(QString::fromUtf8(failed.err).contains("焊材选用单未能保存到"));
    QVERIFY(!QFile::exists(unwritable));

    const QString pdf = dir.filePath("焊材选用单.pdf");
    const Run run = runCli({"sheet", "--output", pdf, "316L", "16MnR"});
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
void CliTest::sheetNeedsNoDisplay_data() {
    QTest::addColumn<QString>("platform");
    QTest::newRow("xcb") << "xcb";
    QTest::newRow("wayland") << "wayland";
}

// As from an ssh session or a cron job: a desktop platform asked for, no display, no
// runtime folder. The sheet is drawn all the same, and nothing is said.
void CliTest::sheetNeedsNoDisplay() {
    QFETCH(QString, platform);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", platform);
    environment.insert("DISPLAY", "");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("XDG_RUNTIME_DIR");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("joint.pdf");
    const Run run = runCli({"sheet", "-o", pdf, "316L", "16MnR"}, environment);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF-"));
}

// Standard output on a full disk: the answer is not given, and the program says so.
void CliTest::aFullDiskIsSaid() {
    if (!QFile::exists("/dev/full")) {
        QSKIP("no /dev/full on this system");
    }
    const Run run = runProgram(
        "/bin/sh", {"-c", "exec \"$0\" answer 316L > /dev/full", QStringLiteral(VELMORA_CLI)});
    QCOMPARE(run.status, 3);
    QVERIFY2(QString::fromUtf8(run.err).contains("无法写出结果"), run.err.constData());
}

void CliTest::sheetKeepsQtsRemarksToItself_data() {
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
void CliTest::sheetKeepsQtsRemarksToItself() {
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

// Arguments that are not UTF-8, as a terminal in another encoding passes them, name
// nothing. Qt decodes the arguments before the look-up, so the name looked up is made
// of U+FFFD; material_names_test looks up raw invalid bytes.
void CliTest::undecodableArgumentNamesNothing() {
    const Run run = runProgram("/bin/sh", {"-c", "exec \"$0\" answer \"$(printf '\\377\\376')\"",
                                           QStringLiteral(VELMORA_CLI)});
    QCOMPARE(run.status, 2);
    QVERIFY(QString::fromUtf8(run.err).contains("最接近的是"));
}
#endif

QTEST_GUILESS_MAIN(CliTest)
#include "cli_test.moc"
