#include "answers/rule_fingerprint.h"
#include "qtext/core_text.h"
#include "version.h"

#include <QProcess>
#include <QTest>

class AppTest : public QObject {
    Q_OBJECT
private slots:
    void toldWithoutADisplay_data();
    void toldWithoutADisplay();
};

void AppTest::toldWithoutADisplay_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("says");
    QTest::newRow("--version") << "--version"
                               << QStringLiteral("velmora %1\n规则库指纹：%2\n")
                                      .arg(velmora::toQString(velmora::kVersion),
                                           velmora::answers::ruleFingerprint());
    QTest::newRow("-v") << "-v" << QString();
    QTest::newRow("--help") << "--help" << QString();
}

// As in an ssh session: a desktop platform asked for and no display. What velmora
// --version and --help print needs no window, so no display either.
void AppTest::toldWithoutADisplay() {
#ifdef Q_OS_WIN
    QSKIP("Windows has no program without a display; there --version opens a message box");
#else
    QFETCH(QString, option);
    QFETCH(QString, says);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", "");
    environment.remove("WAYLAND_DISPLAY");
    QProcess velmora;
    velmora.setProcessEnvironment(environment);
    velmora.start(QStringLiteral(VELMORA_APP), {option});
    QVERIFY(velmora.waitForFinished(60000));
    QCOMPARE(velmora.exitStatus(), QProcess::NormalExit);
    QCOMPARE(velmora.exitCode(), 0);
    const QString out = QString::fromUtf8(velmora.readAllStandardOutput());
    if (says.isEmpty()) {
        QVERIFY2(out.startsWith("velmora ") || out.contains("--version"), qPrintable(out));
    } else {
        QCOMPARE(out, says);
    }
#endif
}

QTEST_GUILESS_MAIN(AppTest)
#include "app_test.moc"
