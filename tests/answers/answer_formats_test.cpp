#include "answers/answer_formats.h"
#include "presentation/notices.h"
#include "presentation/processes.h"
#include "text_support.h"

#include <QTest>

#include <string>

using namespace velmora;

class AnswerFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreWrittenSafely_data();
    void fieldsAreWrittenSafely();
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

QTEST_GUILESS_MAIN(AnswerFormatsTest)
#include "answer_formats_test.moc"
