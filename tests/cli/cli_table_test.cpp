// velmora-cli table: every answer of the rule base, the same in TSV, CSV and JSON and
// the same as the pinned answers, whose fingerprint every JSON object carries; the
// keys of the JSON objects the commands write.

#include "cli_support.h"
#include "version.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

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

class CliTableTest : public QObject {
    Q_OBJECT
private slots:
    void jsonObjectsHoldTheirKeys_data();
    void jsonObjectsHoldTheirKeys();
    void tableFormatsAgree();
    void tableMatchesTheCommittedAnswers();
    void fingerprintIsThatOfThePinnedAnswers_data();
    void fingerprintIsThatOfThePinnedAnswers();
};

void CliTableTest::jsonObjectsHoldTheirKeys_data() {
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
void CliTableTest::jsonObjectsHoldTheirKeys() {
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

// TSV, CSV and JSON hold the same 4 × 947 rows: the empty selection, the 43 materials
// alone, the 903 pairs, for each process.
void CliTableTest::tableFormatsAgree() {
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
void CliTableTest::tableMatchesTheCommittedAnswers() {
    const QByteArray committed = pinnedAnswers();
    QVERIFY(!committed.isEmpty());
    const Run run = runCli({"table", "--format", "tsv"});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out == committed, "velmora-cli table differs from answers.tsv");
}

void CliTableTest::fingerprintIsThatOfThePinnedAnswers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("version") << QStringList{"--version"} << QByteArray();
    QTest::newRow("answer") << QStringList{"answer", "-f", "json", "316L"} << QByteArray();
    QTest::newRow("table") << QStringList{"table", "--format", "json"} << QByteArray();
    QTest::newRow("batch") << QStringList{"batch", "-f", "json", "-"} << QByteArray("16MnR,40Cr\n");
}

// The first 8 hex digits of the SHA-256 of the pinned answers: --version says it, and
// every JSON object carries it.
void CliTableTest::fingerprintIsThatOfThePinnedAnswers() {
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

QTEST_GUILESS_MAIN(CliTableTest)
#include "cli_table_test.moc"
