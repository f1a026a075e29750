// The main window from the keyboard: Tab's order, Space on a box, Enter on a button or
// elsewhere, and typing a material's name to find its box.

#include "catalogue/catalogue.h"
#include "gui_support.h"
#include "main_window_support.h"
#include "sheet/song_font.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/window_font.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolTip>

#include <chrono>
#include <cmath>
#include <limits>

using velmora::ui::MainWindow;

class MainWindowKeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void tabWalksTheGroupsColumnByColumn();
    void spaceTogglesTheFocusedBox();
    void enterPressesTheFocusedButtonElseConfirms_data();
    void enterPressesTheFocusedButtonElseConfirms();
    void typingFindsAMaterial_data();
    void typingFindsAMaterial();
    void typedTextTellsLFromOne();
};

// The windows are laid out for a Chinese desktop: that is the locale of these tests,
// whatever the machine's is.
void MainWindowKeyboardTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}

// No window may outlive its test.
void MainWindowKeyboardTest::cleanup() {
    verifyNothingLeftOpen();
}

void MainWindowKeyboardTest::tabWalksTheGroupsColumnByColumn() {
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(activate(&w));
    QStringList expected;
    const int order[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                         16, 17, 18, 19, 20, 31, 32, 33, 34, 35, 21, 22, 23, 24, 25,
                         26, 27, 28, 29, 30, 36, 37, 38, 39, 40, 43, 41, 42};
    for (int i : order) {
        expected << velmora::ui::main_layout::checkBoxName(*velmora::findMaterial(i));
    }
    expected << "cmdqc"
             << "Command1";
    child<QCheckBox>(w, "chk1")->setFocus();
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(walked, expected);
}

void MainWindowKeyboardTest::spaceTogglesTheFocusedBox() {
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(activate(&w));
    auto* box = child<QCheckBox>(w, "chk13");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(box->isChecked());
    QCOMPARE(child<QLabel>(w, "lblcl1")->text(), "15CrMo(G、R)");
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(child<QLabel>(w, "lblcl1")->text(), "");
}

// Enter or Return on a focused button presses it; anywhere else it confirms.
void MainWindowKeyboardTest::enterPressesTheFocusedButtonElseConfirms_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("confirms");
    QTest::newRow("Return on a box") << "chk6" << int(Qt::Key_Return) << true;
    QTest::newRow("Enter on a box") << "chk43" << int(Qt::Key_Enter) << true;
    QTest::newRow("Return on confirm") << "Command1" << int(Qt::Key_Return) << true;
    QTest::newRow("Return on clear") << "cmdqc" << int(Qt::Key_Return) << false;
    QTest::newRow("Enter on clear") << "cmdqc" << int(Qt::Key_Enter) << false;
}

void MainWindowKeyboardTest::enterPressesTheFocusedButtonElseConfirms() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, confirms);
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(activate(&w));
    QSignalSpy opened(&w, &MainWindow::resultsOpened);
    clickIndicator(child<QCheckBox>(w, "chk6"));
    QWidget* target = child<QWidget>(w, focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(opened.count(), confirms ? 1 : 0);
    QCOMPARE(child<QLabel>(w, "lblcl1")->text(), confirms ? "16MnR" : "");
    QVERIFY(child<QPushButton>(w, "Command1")->isDefault());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        top->close();
    }
}

// Letters, digits and signs typed on a box or a button move the focus to the first
// material in Tab order whose name starts so ("⌫" is Backspace); while a notice is up
// they go to the notice and the focus stays where it was.
void MainWindowKeyboardTest::typingFindsAMaterial_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<QString>("focus");
    QTest::newRow("grade") << "chk1"
                           << "316" << false << "chk26";
    QTest::newRow("grade, another case") << "chk1"
                                         << "316l" << false << "chk28";
    QTest::newRow("designation, from a button") << "Command1"
                                                << "15c" << false << "chk13";
    QTest::newRow("UNS number") << "chk1"
                                << "n08904" << false << "chk43";
    QTest::newRow("full-width") << "chk1"
                                << "３１６Ｌ" << false << "chk28";
    QTest::newRow("same letter again") << "chk1"
                                       << "zz" << false << "chk42";
    QTest::newRow("backspace") << "chk1"
                               << "316⌫7" << false << "chk29";
    QTest::newRow("no such name") << "chk6"
                                  << "xyz" << false << "chk6";
    QTest::newRow("while a notice is up") << "chk6"
                                          << "316" << true << "chk6";
}

void MainWindowKeyboardTest::typingFindsAMaterial() {
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(bool, notice);
    QFETCH(QString, focus);
    MainWindow w(nullptr, aFixedMoment);
    // Every key a tenth of a second after the last, however slowly the machine runs.
    std::chrono::milliseconds now{0};
    w.setTypingClock([&now] { return now += std::chrono::milliseconds(100); });
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(activate(&w));
    child<QWidget>(w, start)->setFocus();
    if (notice) {
        QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
        QVERIFY(QApplication::activeModalWidget() != nullptr);
        child<QWidget>(w, start)->setFocus(); // the button took it when clicked
    }
    // Through the window, as the keyboard's keys come, so that a notice blocks them.
    for (const QChar key : keys) {
        if (key == u'⌫') {
            QTest::keyClick(w.windowHandle(), Qt::Key_Backspace);
        } else {
            QTest::sendKeyEvent(QTest::Click, w.windowHandle(), Qt::Key_unknown, QString(key),
                                Qt::NoModifier);
        }
    }
    if (notice) {
        QVERIFY(answerNotice());
    }
    QCOMPARE(w.focusWidget()->objectName(), focus);
    // Where the focus went shows: the box draws its focus frame as after Tab.
    if (focus != start) {
        QVERIFY(w.testAttribute(Qt::WA_KeyboardFocusChange));
    }
    QCOMPARE(QToolTip::isVisible(), !notice); // what has been typed, beside the focus
    QToolTip::hideText();
}

namespace {

// The picture of what has been typed, after typing `keys` on a fresh window, with the
// application's font the Song face as the program sets it.
QImage typedTextShown(const QString& keys) {
    const QFont before = QApplication::font();
    QApplication::setFont(velmora::sheet::songFont(velmora::ui::kWindowFontPoints));
    MainWindow w(nullptr, aFixedMoment);
    w.setTypingClock([] { return std::chrono::milliseconds(0); }); // one burst of keys
    w.show();
    QImage shown;
    if (QTest::qWaitForWindowExposed(&w) && activate(&w)) {
        child<QWidget>(w, "chk1")->setFocus();
        for (const QChar key : keys) {
            QTest::sendKeyEvent(QTest::Click, w.windowHandle(), Qt::Key_unknown, QString(key),
                                Qt::NoModifier);
        }
        for (QWidget* tip : QApplication::topLevelWidgets()) {
            if (tip->inherits("QTipLabel") && tip->isVisible()) {
                shown = tip->grab().toImage();
            }
        }
    }
    QToolTip::hideText();
    w.close();
    QApplication::setFont(before);
    return shown;
}

// How much ink lies elsewhere in one picture than in the other, in whole pixels.
double inkApart(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return std::numeric_limits<double>::infinity();
    }
    double apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            apart += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) / 255.0;
        }
    }
    return apart;
}

} // namespace

// In the Song face "316l" and "3161" differ by about a pixel of ink, and read the same;
// what has been typed must show the two plainly apart.
void MainWindowKeyboardTest::typedTextTellsLFromOne() {
    const QImage letter = typedTextShown("316l");
    const QImage digit = typedTextShown("3161");
    QVERIFY(!letter.isNull() && !digit.isNull());
    QVERIFY2(inkApart(letter, digit) >= 6, qPrintable(QString::number(inkApart(letter, digit))));
}

QTEST_MAIN(MainWindowKeyboardTest)
#include "main_window_keyboard_test.moc"
