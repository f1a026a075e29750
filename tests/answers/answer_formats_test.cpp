#include "answers/answer_formats.h"
#include "recommend/notices.h"
#include "recommend/processes.h"
#include "text_support.h"

#include <QTest>

#include <map>
#include <string>

using namespace velmora;

class AnswerFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreWrittenSafely_data();
    void fieldsAreWrittenSafely();
    void aRowPerJointHoldsEveryAnswer();
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

// Every joint of the table laid out a row per joint: each field under its process's
// heading holds the answer text less the heading's label (or the whole text where the
// text has another label), the first field says why where there is no answer, and
// the labels are those of most of their column's texts.
void AnswerFormatsTest::aRowPerJointHoldsEveryAnswer() {
    const std::vector<AnswerRow> table = everyAnswer();
    // The table lists process by process; a row per joint wants joint by joint.
    const std::size_t joints = table.size() / kProcessCount;
    std::vector<AnswerRow> rows;
    for (std::size_t j = 0; j < joints; ++j) {
        for (std::size_t p = 0; p < kProcessCount; ++p) {
            rows.push_back(table[p * joints + j]);
        }
    }
    std::vector<Process> processes;
    for (const ProcessName& name : kProcessNames) {
        processes.push_back(name.process);
    }
    const answers::ListColumns list{{"焊缝编号"}};
    std::string problem;
    const QList<QByteArray> lines =
        answers::jointsAsTsv(rows, processes, list, &problem).split('\n');
    QCOMPARE(lines.size(), qsizetype(1 + joints + 1));
    const QStringList heading = QString::fromUtf8(lines[0]).split('\t');
    QCOMPARE(heading.mid(0, 5),
             (QStringList{"焊缝编号", "材料1", "材料2", "焊条电弧焊(SMAW) 焊条型号",
                          "焊条电弧焊(SMAW) 焊条牌号"}));
    QCOMPARE(heading.size(), 3 + 3 * qsizetype(kProcessCount));

    std::map<std::pair<std::size_t, std::size_t>, int> unlabelled; // (process, field)
    for (std::size_t j = 0; j < joints; ++j) {
        const QStringList cells = QString::fromUtf8(lines[qsizetype(j + 1)]).split('\t');
        QCOMPARE(cells.mid(0, 3), (QStringList{"", toQString(rows[j * kProcessCount].material1),
                                               toQString(rows[j * kProcessCount].material2)}));
        for (std::size_t p = 0; p < kProcessCount; ++p) {
            const Outcome& outcome = rows[j * kProcessCount + p].answer.outcome;
            const QStringList fields = cells.mid(qsizetype(3 + 3 * p), 3);
            const auto* texts = std::get_if<Recommendation>(&outcome);
            if (texts == nullptr) {
                const bool notFound = std::holds_alternative<NotFound>(outcome);
                QCOMPARE(fields,
                         (QStringList{toQString(notFound ? kNoConsumableText : kNoEntryNotice.text),
                                      "", ""}));
                continue;
            }
            for (std::size_t f = 0; f < 3; ++f) {
                const QString label = toQString(kProcessNames[p].fields[f]) + "：";
                const QString text = toQString((*texts)[f]);
                if (!text.startsWith(label)) {
                    QCOMPARE(fields[qsizetype(f)], text);
                    ++unlabelled[{p, f}];
                } else {
                    QCOMPARE(label + fields[qsizetype(f)], text);
                }
            }
        }
    }
    for (const auto& [field, count] : unlabelled) {
        QVERIFY2(count < 10, qPrintable(QString("process %1, field %2: %3 texts with another label")
                                            .arg(field.first)
                                            .arg(field.second)
                                            .arg(count)));
    }
}

QTEST_GUILESS_MAIN(AnswerFormatsTest)
#include "answer_formats_test.moc"
