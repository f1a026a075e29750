#include "answers/answer_formats.h"
#include "presentation/notices.h"
#include "presentation/processes.h"
#include "text_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <string>

using namespace velmora;

class AnswerFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreWrittenSafely_data();
    void fieldsAreWrittenSafely();
    void aJointListAsJson();
};

void AnswerFormatsTest::fieldsAreWrittenSafely_data() {
    QTest::addColumn<QByteArray>("material");
    QTest::addColumn<QByteArray>("csvField");
    QTest::addColumn<bool>("tsvWritten");

    QTest::newRow("plain") << QByteArray("16MnR") << QByteArray("16MnR") << true;
    QTest::newRow("comma") << QByteArray("Q235-B,C") << QByteArray("\"Q235-B,C\"") << true;
    QTest::newRow("quote") << QByteArray("a\"b") << QByteArray("\"a\"\"b\"") << true;
    QTest::newRow("tab") << QByteArray("a\tb") << QByteArray("a\tb") << false;
    QTest::newRow("line feed") << QByteArray("a\nb") << QByteArray("\"a\nb\"") << false;
    QTest::newRow("carriage return") << QByteArray("a\rb") << QByteArray("\"a\rb\"") << false;
}

void AnswerFormatsTest::fieldsAreWrittenSafely() {
    QFETCH(QByteArray, material);
    QFETCH(QByteArray, csvField);
    QFETCH(bool, tsvWritten);

    const std::string_view m(material.constData(), std::size_t(material.size()));
    const AnswerRow rows[] = {{m, {}, {Process::Saw, NoEntry{}}}};
    QVERIFY(answers::asCsv(rows).endsWith("\r\nsaw," + csvField + ",,no_entry,,,\r\n"));
    std::string problem;
    const QByteArray tsv = answers::asTsv(rows, &problem);
    QCOMPARE(!tsv.isEmpty(), tsvWritten);
    QCOMPARE(QByteArray::fromStdString(problem), tsvWritten ? QByteArray() : material);
}

// A list's joints in JSON: each with its line, a cell for every carried column (empty
// where the line is short), answers only where the line names a joint, and what its
// names were read as.
void AnswerFormatsTest::aJointListAsJson() {
    const JointList list =
        readJointList("编号,母材1,母材2,备注\nW-1,Q345R\nW-2,,,待定\n", ColumnChoice{});
    QVERIFY(list.faults.empty());
    const QJsonArray joints =
        QJsonDocument::fromJson(answers::jointsAsJson(list, std::array{Process::Smaw})).array();
    QCOMPARE(joints.size(), 2);
    const QJsonObject first = joints[0].toObject();
    const QJsonObject second = joints[1].toObject();
    QCOMPARE(first["line"].toInt(), 2);
    QCOMPARE(second["line"].toInt(), 3);
    const auto carried = [](const QJsonObject& joint) {
        QStringList cells;
        for (const QJsonValue& cell : joint["carried"].toArray()) {
            cells << cell["column"].toString() + "=" + cell["text"].toString();
        }
        return cells;
    };
    QCOMPARE(carried(first), (QStringList{"编号=W-1", "备注="}));
    QCOMPARE(carried(second), (QStringList{"编号=W-2", "备注=待定"}));
    QCOMPARE(first["materials"].toArray().size(), 1);
    QCOMPARE(first["answers"].toArray().size(), 1);
    QCOMPARE(first["translations"].toArray()[0].toObject()["typed"].toString(), "Q345R");
    QCOMPARE(second["answers"].toArray().size(), 0);
    QCOMPARE(second["unfilled"].toString(), toQString(kUnfilledText));
}

QTEST_GUILESS_MAIN(AnswerFormatsTest)
#include "answer_formats_test.moc"
