// Choosing materials on the main window: ticking fills the two slots, a third is
// refused with a notice, clear empties them, confirm opens the results or asks for a
// material; what a screen reader hears of each control.

#include "gui_support.h"
#include "main_window_support.h"
#include "ui/main_window.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using velmora::ui::MainWindow;

class MainWindowSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void accessibleNames_data();
    void accessibleNames();
    void selectionScenarioByClicking();
    void clearUnticksAndEmptiesTheSlots();
    void confirmWithNothingChosenShowsANotice();
    void confirmHidesTheWindowAndAsksForResults();
    void ticksWhileTheRefusalIsUp();
};

// The windows are laid out for a Chinese desktop: that is the locale of these tests,
// whatever the machine's is.
void MainWindowSelectionTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}

// No window may outlive its test.
void MainWindowSelectionTest::cleanup() {
    verifyNothingLeftOpen();
}

// What a screen reader says for each control: its name and, for a slot, what it holds
// (after ticking 16MnR and 20g).
void MainWindowSelectionTest::accessibleNames_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("clear button") << "cmdqc"
                                  << "清除选择" << QString();
    QTest::newRow("confirm button") << "Command1"
                                    << "请选择" << QString();
    QTest::newRow("slot 1") << "lblcl1"
                            << "已选材料 1"
                            << "16MnR";
    QTest::newRow("slot 2") << "lblcl2"
                            << "已选材料 2"
                            << "20g";
    QTest::newRow("group I") << "Frame1"
                             << "材料组 I" << QString();
    QTest::newRow("group II") << "Frame2"
                              << "材料组 Ⅱ" << QString();
    QTest::newRow("group TG") << "Frame13"
                              << "材料组 TG" << QString();
    QTest::newRow("check box") << "chk43"
                               << "904L(UNS N08904)" << QString();
}

void MainWindowSelectionTest::accessibleNames() {
    QFETCH(QString, object);
    QFETCH(QString, name);
    QFETCH(QString, description);
    MainWindow w(nullptr, aFixedMoment);
    clickIndicator(child<QCheckBox>(w, "chk6"));
    clickIndicator(child<QCheckBox>(w, "chk4"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child<QWidget>(w, object));
    QVERIFY(a);
    QCOMPARE(a->text(QAccessible::Name), name);
    QCOMPARE(a->text(QAccessible::Description), description);
}

void MainWindowSelectionTest::selectionScenarioByClicking() {
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* slot1 = child<QLabel>(w, "lblcl1");
    auto* slot2 = child<QLabel>(w, "lblcl2");
    auto* b16MnR = child<QCheckBox>(w, "chk6");
    auto* b20g = child<QCheckBox>(w, "chk4");
    auto* b35Mn = child<QCheckBox>(w, "chk10");

    clickIndicator(b16MnR);
    clickIndicator(b20g);
    QCOMPARE(slot1->text(), "16MnR");
    QCOMPARE(slot2->text(), "20g");

    clickIndicator(b35Mn);
    QVERIFY(b35Mn->isChecked()); // until the notice is answered
    const auto seen = answerNotice();
    QVERIFY(seen);
    QCOMPARE(seen->title, "注意！");
    QCOMPARE(seen->text, "选择的材料不能超过两种");
    QCOMPARE(seen->icon, QMessageBox::NoIcon);
    QCOMPARE(seen->buttons, QStringList{"确定"});
    QCOMPARE(seen->owner, &w);
    QVERIFY(!b35Mn->isChecked());
    QCOMPARE(slot1->text(), "16MnR");
    QCOMPARE(slot2->text(), "20g");

    clickIndicator(b16MnR);
    QCOMPARE(slot1->text(), "");
    QCOMPARE(slot2->text(), "20g");
    clickIndicator(b35Mn);
    QCOMPARE(slot1->text(), "35Mn");
    QVERIFY(b35Mn->isChecked() && b20g->isChecked() && !b16MnR->isChecked());
}

void MainWindowSelectionTest::clearUnticksAndEmptiesTheSlots() {
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickIndicator(child<QCheckBox>(w, "chk1"));
    clickIndicator(child<QCheckBox>(w, "chk43"));
    QTest::mouseClick(child<QPushButton>(w, "cmdqc"), Qt::LeftButton);
    for (QCheckBox* box : w.findChildren<QCheckBox*>()) {
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    }
    QCOMPARE(child<QLabel>(w, "lblcl1")->text(), "");
    QCOMPARE(child<QLabel>(w, "lblcl2")->text(), "");
    // The boxes work again afterwards, slot 1 first.
    clickIndicator(child<QCheckBox>(w, "chk43"));
    QCOMPARE(child<QLabel>(w, "lblcl1")->text(), "904L(UNS N08904)");
}

void MainWindowSelectionTest::confirmWithNothingChosenShowsANotice() {
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy opened(&w, &MainWindow::resultsOpened);
    QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
    const auto seen = answerNotice();
    QVERIFY(seen);
    QCOMPARE(seen->title, "提示");
    QCOMPARE(seen->text, "请先选择材料（一种或两种组合）");
    QCOMPARE(seen->icon, QMessageBox::NoIcon);
    QCOMPARE(seen->buttons, QStringList{"确定"});
    QVERIFY(w.isVisible());
    QCOMPARE(opened.count(), 0);
}

void MainWindowSelectionTest::confirmHidesTheWindowAndAsksForResults() {
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy opened(&w, &MainWindow::resultsOpened);
    clickIndicator(child<QCheckBox>(w, "chk6"));
    clickIndicator(child<QCheckBox>(w, "chk4"));
    clickIndicator(child<QCheckBox>(w, "chk6"));
    QCOMPARE(child<QLabel>(w, "lblcl1")->text(), "");
    QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).toString(), "    20g");
    QVERIFY(!w.isVisible());
    // The selection stays while the window is hidden.
    QVERIFY(child<QCheckBox>(w, "chk4")->isChecked());
    QCOMPARE(child<QLabel>(w, "lblcl2")->text(), "20g");
    for (QWidget* top : QApplication::topLevelWidgets()) {
        top->close();
    }
}

// More boxes ticked while the refusal is up (a program's clicks, or ones queued
// before it came): one notice, and after OK every refused box is unticked.
void MainWindowSelectionTest::ticksWhileTheRefusalIsUp() {
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const char* name : {"chk6", "chk4", "chk10", "Chk11", "chk43"}) {
        clickIndicator(child<QCheckBox>(w, name));
    }
    int notices = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        notices += qobject_cast<QMessageBox*>(top) != nullptr && top->isVisible() ? 1 : 0;
    }
    QCOMPARE(notices, 1);
    QVERIFY(answerNotice());
    for (const char* name : {"chk10", "Chk11", "chk43"}) {
        QVERIFY2(!child<QCheckBox>(w, name)->isChecked(), name);
    }
    QCOMPARE(child<QLabel>(w, "lblcl1")->text(), "16MnR");
    QCOMPARE(child<QLabel>(w, "lblcl2")->text(), "20g");
    w.close();
}

QTEST_MAIN(MainWindowSelectionTest)
#include "main_window_selection_test.moc"
