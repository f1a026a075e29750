// The GUI tests only mean something on the platform CTest asks for and with the
// Song face at hand: under Wine the environment and the fonts reach the Windows
// process by other ways than on Linux (see tests/windows/wine.cmake).
#include "sheet/song_font.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QObject>
#include <QTest>

using namespace velmora::sheet;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void runsOnTheRequestedPlatform();
    void findsTheSongFace();
};

void PlatformTest::runsOnTheRequestedPlatform() {
    const QString requested = qEnvironmentVariable("QT_QPA_PLATFORM");
    QVERIFY2(!requested.isEmpty(), "QT_QPA_PLATFORM did not reach the test");
    QCOMPARE(QGuiApplication::platformName(), requested);
}

// One of the Song faces is drawn, not a CJK stand-in.
void PlatformTest::findsTheSongFace() {
    const QString family = QFontInfo(songFont(12, false)).family();
    const QStringList song{"SimSun", "宋体", "NSimSun", "AR PL UMing CN"};
    QVERIFY2(song.contains(family), qPrintable(family + " drawn instead"));
}

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
