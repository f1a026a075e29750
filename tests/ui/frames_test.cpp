#include "gui_support.h"
#include "ui/main_window.h"
#include "ui/results_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

using velmora::ui::MainWindow;

// CTest runs this at several scale factors (QT_SCALE_FACTOR): frames and boxed labels
// are drawn whole, and the first row of boxes stays clear of its frame's top line.
namespace {

// A pixel of a border line: clearly darker than the window behind it.
bool isLine(const QImage& image, int x, int y, int background) {
    return qGray(image.pixel(x, y)) <= background - 40;
}

// The widget's rectangle in the window's picture, in device pixels.
QRectF scaledRect(const QWidget* w, const QImage& image) {
    const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
    const qreal scale = image.devicePixelRatio();
    return {at.x() * scale, at.y() * scale, w->width() * scale, w->height() * scale};
}

// Some line pixel within a band of `band` pixels inward from `edge` (exclusive for the
// right and bottom edges), scanning across at `across`.
bool lineAtEdge(const QImage& image, qreal edge, bool fromEnd, int across, bool vertical, int band,
                int background) {
    for (int i = 0; i < band; ++i) {
        const int at = fromEnd ? int(std::ceil(edge)) - 1 - i : int(std::floor(edge)) + i;
        if (vertical ? isLine(image, at, across, background)
                     : isLine(image, across, at, background)) {
            return true;
        }
    }
    return false;
}

// Shows the main window, or the results window for the longest materials line.
QWidget* windowFor(const QString& object, MainWindow& main) {
    main.show();
    if (object != "lblcl") {
        return &main;
    }
    clickIndicator(child<QCheckBox>(main, "chk38"));
    clickIndicator(child<QCheckBox>(main, "chk39"));
    QTest::mouseClick(child<QPushButton>(main, "Command1"), Qt::LeftButton);
    return main.resultsWindow();
}

} // namespace

class FramesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void bordersAreWhole_data();
    void bordersAreWhole();
    void firstBoxesClearTheTopLine_data();
    void firstBoxesClearTheTopLine();
};

void FramesTest::cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void FramesTest::bordersAreWhole_data() {
    QTest::addColumn<QString>("object");
    for (int i = 1; i <= 15; ++i) {
        const QString name = QString("Frame%1").arg(i);
        QTest::newRow(qPrintable(name)) << name;
    }
    for (const char* name : {"lblcl1", "lblcl2", "lblcl"}) {
        QTest::newRow(name) << QString(name);
    }
}

void FramesTest::bordersAreWhole() {
    QFETCH(QString, object);
    MainWindow main;
    QWidget* window = windowFor(object, main);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QImage image = window->grab().toImage();
    const int background = qGray(window->palette().color(QPalette::Window).rgb());
    const QWidget* w = child<QWidget>(*window, object);
    const QRectF s = scaledRect(w, image);
    const int band = std::max(2, int(std::ceil(image.devicePixelRatio())));
    const int midX = int(s.center().x());
    const int midY = int(s.center().y());
    QVERIFY2(lineAtEdge(image, s.bottom(), true, midX, false, band, background), "bottom");
    QVERIFY2(lineAtEdge(image, s.left(), false, midY, true, band, background), "left");
    QVERIFY2(lineAtEdge(image, s.right(), true, midY, true, band, background), "right");
    if (qobject_cast<const QLabel*>(w) != nullptr) {
        QVERIFY2(lineAtEdge(image, s.top(), false, midX, false, band, background), "top");
    }
}

void FramesTest::firstBoxesClearTheTopLine_data() {
    QTest::addColumn<QString>("frame");
    for (int i = 1; i <= 14; ++i) {
        const QString name = QString("Frame%1").arg(i);
        QTest::newRow(qPrintable(name)) << name;
    }
}

void FramesTest::firstBoxesClearTheTopLine() {
    QFETCH(QString, frame);
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QImage image = main.grab().toImage();
    const int background = qGray(main.palette().color(QPalette::Window).rgb());
    const auto* f = child<QGroupBox>(main, frame);
    const QRectF s = scaledRect(f, image);
    // Scan down near the right edge, clear of the caption and the boxes' captions.
    const int x = int(s.right() - 3 * image.devicePixelRatio());
    int line = int(s.top());
    while (line < s.bottom() && !isLine(image, x, line, background)) {
        ++line;
    }
    QVERIFY2(line < s.bottom(), "no top line");
    const QList<QCheckBox*> boxes = f->findChildren<QCheckBox*>();
    QVERIFY(!boxes.isEmpty());
    for (const QCheckBox* box : boxes) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator =
            box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        const qreal indicatorTop =
            (box->mapTo(&main, indicator.topLeft()).y()) * image.devicePixelRatio();
        QVERIFY2(line + 1 < int(indicatorTop), qPrintable(QString("%1: line at %2, indicator at %3")
                                                              .arg(box->text())
                                                              .arg(line)
                                                              .arg(indicatorTop)));
    }
}

QTEST_MAIN(FramesTest)
#include "frames_test.moc"
