#include "gui_support.h"
#include "ui/main_window.h"
#include "ui/results_window.h"
#include "ui/window_placement.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

using velmora::ui::MainWindow;

namespace {

// The results window's geometry when it is shown, before it reaches the screen.
class ShownGeometry : public QObject {
public:
    QRect at;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (const auto* r = qobject_cast<velmora::ui::ResultsWindow*>(watched)) {
                at = r->geometry();
            }
        }
        return false;
    }
};

} // namespace

// CTest runs this on two offscreen screens at scale 2: the primary a 1366×768 laptop
// panel (683×384 logical, too low for the main window) to the right of a 1920×1080
// desk screen.
class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void centredInside_data();
    void centredInside();
    void theFrameIsCentredNotTheClientArea_data();
    void theFrameIsCentredNotTheClientArea();
    void mainWindowTitleBarStaysReachable();
    void resultsWindowCentredOverTheMainWindow_data();
    void resultsWindowCentredOverTheMainWindow();
};

void PlacementTest::initTestCase() {
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(683, 384));
}

void PlacementTest::cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void PlacementTest::centredInside_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("topLeft");
    const QRect desk(0, 0, 1000, 800);
    QTest::newRow("fits") << QSize(400, 200) << QPoint(500, 400) << desk << QPoint(300, 300);
    QTest::newRow("off the right")
        << QSize(400, 200) << QPoint(950, 400) << desk << QPoint(600, 300);
    QTest::newRow("off the top") << QSize(400, 200) << QPoint(500, 20) << desk << QPoint(300, 0);
    QTest::newRow("taller than the screen")
        << QSize(629, 440) << QPoint(2261, 503) << QRect(1920, 312, 683, 384) << QPoint(1947, 312);
    QTest::newRow("wider than the screen")
        << QSize(1200, 200) << QPoint(500, 400) << desk << QPoint(0, 300);
}

void PlacementTest::centredInside() {
    QFETCH(QSize, frame);
    QFETCH(QPoint, centre);
    QFETCH(QRect, available);
    QFETCH(QPoint, topLeft);
    QCOMPARE(velmora::ui::centredInside(frame, centre, available), topLeft);
}

void PlacementTest::theFrameIsCentredNotTheClientArea_data() {
    QTest::addColumn<QMargins>("margins");
    QTest::newRow("no frame") << QMargins();
    QTest::newRow("a title bar and borders") << QMargins(8, 31, 8, 8);
    QTest::newRow("a title bar only") << QMargins(0, 24, 0, 0);
}

// Under a window manager the frame has a title bar above the client area: it is the
// frame that is centred, so the window does not sit a title bar low.
void PlacementTest::theFrameIsCentredNotTheClientArea() {
    QFETCH(QMargins, margins);
    const QSize client(403, 194);
    const QPoint centre(500, 400);
    const QPoint topLeft =
        velmora::ui::framePlacement(client, margins, centre, QRect(0, 0, 1000, 800));
    const QRect frame(topLeft, client.grownBy(margins));
    QVERIFY2((frame.center() - centre).manhattanLength() <= 1,
             qPrintable(QString("%1,%2").arg(frame.center().x()).arg(frame.center().y())));
}

// The main window is taller than the laptop panel: it starts at the panel's top, centred
// across, rather than with its title bar above the screen.
void PlacementTest::mainWindowTitleBarStaysReachable() {
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = w.frameGeometry();

    QCOMPARE(w.screen(), QGuiApplication::primaryScreen());
    QCOMPARE(frame.top(), available.top());
    QVERIFY2(qAbs(frame.center().x() - available.center().x()) <= 1,
             qPrintable(QString::number(frame.center().x())));
}

void PlacementTest::resultsWindowCentredOverTheMainWindow_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("visits");
    QTest::addColumn<QString>("press");
    QTest::newRow("laptop") << 0 << QStringList{"chk6", "chk2"} << 1 << QString();
    QTest::newRow("laptop, long line") << 0 << QStringList{"chk38", "chk39"} << 1 << QString();
    QTest::newRow("desk") << 1 << QStringList{"chk6", "chk2"} << 1 << QString();
    QTest::newRow("desk, long line") << 1 << QStringList{"chk38", "chk39"} << 1 << QString();
    QTest::newRow("desk, long line, second visit")
        << 1 << QStringList{"chk38", "chk39"} << 2 << QString();
    QTest::newRow("desk, long answer") << 1 << QStringList{"chk6", "Chk11"} << 1 << "CommandSMAW";
}

void PlacementTest::resultsWindowCentredOverTheMainWindow() {
    QFETCH(int, screen);
    QFETCH(QStringList, boxes);
    QFETCH(int, visits);
    QFETCH(QString, press);
    QScreen* target = QGuiApplication::screens().at(screen);
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.move(target->availableGeometry().topLeft() + QPoint(60, 40));
    QTRY_COMPARE(main.screen(), target);
    for (const QString& name : boxes) {
        clickIndicator(child<QCheckBox>(main, name));
    }
    ShownGeometry shown;
    QApplication::instance()->installEventFilter(&shown);
    velmora::ui::ResultsWindow* r = nullptr;
    for (int visit = 0; visit < visits; ++visit) {
        if (r != nullptr) {
            r->close();
        }
        shown.at = QRect();
        QTest::mouseClick(child<QPushButton>(main, "Command1"), Qt::LeftButton);
        r = main.resultsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(r));
        QCOMPARE(shown.at, r->geometry()); // sized and placed before it appears: no jump
    }
    const int openedWidth = r->width();
    if (!press.isEmpty()) {
        QTest::mouseClick(child<QPushButton>(*r, press), Qt::LeftButton);
        QVERIFY(!answerNotice());
        QVERIFY(r->width() > openedWidth);
    }
    QCOMPARE(r->screen(), target);
    const QRect frame = r->frameGeometry();
    const QPoint offset = frame.center() - main.frameGeometry().center();
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             qPrintable(QString("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
    QVERIFY(target->availableGeometry().contains(frame));
    r->close();
}

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
