#include "answers/rule_fingerprint.h"
#include "catalogue/known_names.h"
#include "text_support.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QRegularExpression>
#include <QTest>

class DocumentsTest : public QObject {
    Q_OBJECT
private slots:
    void nameTheRuleBaseTheProgramAnswersFrom_data();
    void nameTheRuleBaseTheProgramAnswersFrom();
    void namesPageIsTheTable();
};

namespace {

using namespace velmora;

QString readSource(const QString& path) {
    QFile file(QStringLiteral(VELMORA_SOURCE_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString cell(std::string_view text) {
    return toQString(text).replace('|', QStringLiteral("\\|"));
}

// The known names as docs/names.md lists them between its markers: a table per
// catalogue material that has any, in catalogue order, then the refused names.
QString namesTables() {
    QString out;
    for (const Material& m : kMaterials) {
        QString rows;
        for (const KnownName& k : kKnownNames) {
            if (k.designation == m.designation) {
                rows += QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                            .arg(cell(k.name), cell(nameKindText(k.kind)), cell(k.standard),
                                 cell(k.fact));
            }
        }
        if (!rows.isEmpty()) {
            out +=
                QStringLiteral("\n### %1\n\n| 名称 | 类别 | 依据 | 说明 |\n|---|---|---|---|\n%2")
                    .arg(cell(m.designation), rows);
        }
    }
    out += QStringLiteral(
        "\n### 不予换算的名称\n\n| 名称 | 依据 | 原因 | 可能是 |\n|---|---|---|---|\n");
    for (const KnownName& k : kKnownNames) {
        if (k.kind == NameKind::Refused) {
            QStringList meant;
            for (std::string_view d : k.couldMean) {
                if (!d.empty()) {
                    meant << cell(d);
                }
            }
            out +=
                QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                    .arg(cell(k.name), cell(k.standard), cell(k.fact),
                         meant.isEmpty() ? QStringLiteral("—") : meant.join(QStringLiteral("、")));
        }
    }
    return out;
}

} // namespace

void DocumentsTest::nameTheRuleBaseTheProgramAnswersFrom_data() {
    QTest::addColumn<QString>("path");
    for (const char* path : {"README.md", "docs/architecture.md", "docs/command-line.md",
                             "docs/web.md", "docs/rule-questions.md"}) {
        QTest::newRow(path) << QStringLiteral(VELMORA_SOURCE_DIR "/") + QString::fromLatin1(path);
    }
#ifdef VELMORA_MAN_PAGE
    QTest::newRow("velmora-cli.1") << QStringLiteral(VELMORA_MAN_PAGE);
#endif
}

// Each document names the fingerprint of the rules the program answers from, and no
// other: every 8-hex-digit word in it is the fingerprint.
void DocumentsTest::nameTheRuleBaseTheProgramAnswersFrom() {
    QFETCH(QString, path);
    QFile file(path);
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

// The names page lists the program's own table of names, row for row. Where it does
// not, the tables it should hold are written beside the test binary.
void DocumentsTest::namesPageIsTheTable() {
    const QString page = readSource(QStringLiteral("docs/names.md"));
    const QString begin =
        QStringLiteral("<!-- the table: kept equal to the program's by documents_test -->\n");
    const QString end = QStringLiteral("\n<!-- end of the table -->");
    const qsizetype from = page.indexOf(begin);
    const qsizetype to = page.indexOf(end);
    QVERIFY2(from >= 0 && to > from, "docs/names.md has lost its markers");
    const QString listed = page.mid(from + begin.size(), to - from - begin.size());
    const QString wanted = namesTables();
    if (listed != wanted) {
        QFile expected(QDir::current().filePath(QStringLiteral("names-tables.md")));
        if (expected.open(QIODevice::WriteOnly)) {
            expected.write(wanted.toUtf8());
        }
        QFAIL(qPrintable("docs/names.md differs from the table; it should hold " +
                         expected.fileName()));
    }
}

QTEST_GUILESS_MAIN(DocumentsTest)
#include "documents_test.moc"
