// velmora-cli's manual page as the build writes it: each command as its --help says it,
// in lines a terminal of 80 columns shows whole.

#include "cli/commands.h"
#include "cli_support.h"
#include "qtext/qt_translation.h"

#include <QFile>
#include <QRegularExpression>

class CliManPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void eachCommandAsItsHelpSaysIt_data();
    void eachCommandAsItsHelpSaysIt();

private:
    QString m_page;
};

void CliManPageTest::initTestCase() {
    // Qt's words in the help (its usage line, its headings) as the program says them.
    velmora::installQtChineseTranslation();
    QFile file(QStringLiteral(VELMORA_MAN_PAGE));
    QVERIFY2(file.open(QIODevice::ReadOnly), VELMORA_MAN_PAGE);
    m_page = QString::fromUtf8(file.readAll());
}

void CliManPageTest::eachCommandAsItsHelpSaysIt_data() {
    QTest::addColumn<QString>("command");
    for (const velmora::cli::Command& command : velmora::cli::commands()) {
        QTest::newRow(command.name) << QString::fromUtf8(command.name);
    }
}

void CliManPageTest::eachCommandAsItsHelpSaysIt() {
    QFETCH(QString, command);
    const qsizetype start = m_page.indexOf(QStringLiteral(".SS %1\n.nf\n").arg(command));
    QVERIFY(start >= 0);
    const qsizetype end = m_page.indexOf(QStringLiteral("\n.fi\n"), start);
    QVERIFY(end > start);
    const QStringList lines = m_page.mid(start, end - start).split(u'\n').mid(2);

    QString shown;
    for (QString line : lines) {
        line.remove(QStringLiteral("\\&")).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        line.replace(QStringLiteral("\\e"), QStringLiteral("\\"));
        int columns = 0;
        for (const QChar c : line) {
            columns += c.unicode() >= 0x2E80 ? 2 : 1;
        }
        QVERIFY2(columns <= 78, qPrintable(line));
        shown += line;
    }
    // The help, less the notes every command's help ends its description with; the page
    // breaks its lines, so spaces aside.
    QString help = QString::fromUtf8(runCli({command, QStringLiteral("--help")}).out);
    help.remove(QStringLiteral("\n\n") + velmora::cli::helpNotes());
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QCOMPARE(shown.remove(space), help.remove(space));
}

QTEST_GUILESS_MAIN(CliManPageTest)
#include "cli_man_page_test.moc"
