#include "sheet/song_font.h"
#include "ui/application_setup.h"
#include "ui/window_font.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTest>

// CTest runs this under the C locale: Qt's own texts are Chinese whatever the system
// language, and notices get the windows' font.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void qtTextsAreChinese_data();
    void qtTextsAreChinese();
    void noticesUseTheWindowsFont();
};

void StartupTest::initTestCase() {
#ifdef Q_OS_WIN
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_zh_CN.qm"))) {
        QSKIP("Qt's translations are not installed with this Qt");
    }
#endif
    velmora::ui::prepareApplication();
}

void StartupTest::qtTextsAreChinese_data() {
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    // The context menu of the selectable answer labels, and a standard dialog's buttons.
    QTest::newRow("copy") << "QWidgetTextControl"
                          << "&Copy"
                          << "复制(&C)";
    QTest::newRow("select all") << "QWidgetTextControl"
                                << "Select All"
                                << "全选";
    QTest::newRow("cancel") << "QPlatformTheme"
                            << "Cancel"
                            << "取消";
}

void StartupTest::qtTextsAreChinese() {
    QFETCH(QString, context);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(english)), chinese);
}

void StartupTest::noticesUseTheWindowsFont() {
    const QFont song = velmora::sheet::songFont(velmora::ui::kWindowFontPoints);
    QCOMPARE(QApplication::font().families(), song.families());
    QCOMPARE(QApplication::font().pointSizeF(), 9.0);
    const QMessageBox box(QMessageBox::NoIcon, QStringLiteral("提示"), QStringLiteral("文字"));
    QCOMPARE(box.font().families(), song.families());
    QCOMPARE(box.font().pointSizeF(), 9.0);
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
