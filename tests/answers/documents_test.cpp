#include "answers/rule_fingerprint.h"

#include <QFile>
#include <QObject>
#include <QRegularExpression>
#include <QTest>

class DocumentsTest : public QObject {
    Q_OBJECT
private slots:
    void nameTheRuleBaseTheProgramAnswersFrom_data();
    void nameTheRuleBaseTheProgramAnswersFrom();
};

void DocumentsTest::nameTheRuleBaseTheProgramAnswersFrom_data() {
    QTest::addColumn<QString>("path");
    for (const char* path :
         {"README.md", "docs/rule-questions.md", "packaging/man/velmora-cli.1.in"}) {
        QTest::newRow(path) << QString::fromLatin1(path);
    }
}

// Each document names the fingerprint of the rules the program answers from, and no
// other: every 8-hex-digit word in it is the fingerprint.
void DocumentsTest::nameTheRuleBaseTheProgramAnswersFrom() {
    QFETCH(QString, path);
    QFile file(QStringLiteral(VELMORA_SOURCE_DIR "/") + path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QString text = QString::fromUtf8(file.readAll());
    const QString fingerprint = velmora::answers::ruleFingerprint();
    static const QRegularExpression word(
        QStringLiteral("(?<![0-9A-Za-z])[0-9a-f]{8}(?![0-9A-Za-z])"));
    int named = 0;
    for (const QRegularExpressionMatch& m : word.globalMatch(text)) {
        QCOMPARE(m.captured(), fingerprint);
        ++named;
    }
    QVERIFY2(named > 0, "the document does not name the rule base's fingerprint");
}

QTEST_GUILESS_MAIN(DocumentsTest)
#include "documents_test.moc"
