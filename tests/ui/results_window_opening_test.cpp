// The results window in place of the main window: opened by confirm, left by the close
// box or Escape, opened again afresh, and kept as it was while a notice is up.

#include "results_support.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

using namespace velmora;
using velmora::ui::MainWindow;
using velmora::ui::ResultsWindow;

class ResultsWindowOpeningTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void confirmOpensTheResultsInPlaceOfTheMainWindow();
    void keys_data();
    void keys();
    void closingEmptiesAndBringsBackTheMainWindow();
    void reopeningStartsAfresh();
    void clicksWhileANoticeIsUp_data();
    void clicksWhileANoticeIsUp();
};

void ResultsWindowOpeningTest::cleanup() {
    verifyResultsTestLeftNothingOpen();
}

void ResultsWindowOpeningTest::confirmOpensTheResultsInPlaceOfTheMainWindow() {
    MainWindow main;
    main.show();
    ResultsWindow* r = confirmWith(main, {"chk6", "chk2"});
    QVERIFY(r);
    QVERIFY(!main.isVisible());
    QVERIFY(r->isVisible());
    QCOMPARE(r->objectName(), "Form2");
    QCOMPARE(r->windowTitle(), "Velmora结果");
    QVERIFY(!r->isModal());
    QVERIFY(!(r->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(r->minimumSize(), r->maximumSize());
    QCOMPARE(child<QLabel>(*r, "lblcl")->text(), "16MnR    Q235-B,C");
    QCOMPARE(fields(*r), QStringList({"", "", ""}));
    QCOMPARE(child<QLabel>(*r, "Label2")->text(), "已选材料");
    QCOMPARE(child<QLabel>(*r, "Label3")->text(), "焊接材料");
    QCOMPARE(child<QLabel>(*r, "Label4")->text(), "选择结果");
    for (const char* name :
         {"Label2", "Label3", "Label4", "lblcl", "lblhtxh", "lblhtph", "lblqtlx"}) {
        QCOMPARE(child<QLabel>(*r, name)->font().pointSizeF(), 12.0);
    }
    for (const char* name : kButtons) {
        QCOMPARE(child<QPushButton>(*r, name)->font().pointSizeF(), 9.0);
    }

    QVERIFY(!press(*r, "CommandSMAW"));
    QCOMPARE(fields(*r),
             QStringList({"焊条型号：E5015 E5016", "焊条牌号：J507  J506", "保护气体：无"}));
    r->close();
}

// Enter or Return on a focused process button presses it; Escape leaves the window
// as the close box does.
void ResultsWindowOpeningTest::keys_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("classification");
    QTest::newRow("Return on MAG") << "CommandMAG" << int(Qt::Key_Return) << "焊丝型号：--";
    QTest::newRow("Enter on GTAW") << "CommandGTAW" << int(Qt::Key_Enter) << "焊丝型号：ER309";
    QTest::newRow("Escape on SMAW") << "CommandSMAW" << int(Qt::Key_Escape) << "";
    QTest::newRow("Escape on an answer") << "lblhtxh" << int(Qt::Key_Escape) << "";
}

void ResultsWindowOpeningTest::keys() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, classification);
    MainWindow main;
    main.show();
    ResultsWindow* r = confirmWith(main, {"chk32"});
    QVERIFY(QTest::qWaitForWindowExposed(r));
    QVERIFY(activate(r));
    QWidget* target = child<QWidget>(*r, focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    const bool leaves = key == Qt::Key_Escape;
    QCOMPARE(r->isVisible(), !leaves);
    QCOMPARE(main.isVisible(), leaves);
    QCOMPARE(child<QLabel>(*r, "lblhtxh")->text(), classification);
    QCOMPARE(child<QLabel>(main, "lblcl1")->text(), "1Cr23Ni13(-)");
    QVERIFY(child<QCheckBox>(main, "chk32")->isChecked());
    r->close();
    main.close();
}

void ResultsWindowOpeningTest::closingEmptiesAndBringsBackTheMainWindow() {
    MainWindow main;
    main.show();
    QPointer<ResultsWindow> r = confirmWith(main, {"chk5", "chk22"});
    QVERIFY(!press(*r, "CommandGTAW"));
    QVERIFY(r->close());
    QCOMPARE(child<QLabel>(*r, "lblcl")->text(), "");
    QCOMPARE(fields(*r), QStringList({"", "", ""}));
    QVERIFY(main.isVisible());
    QVERIFY(!r->isVisible());
    QVERIFY(child<QCheckBox>(main, "chk5")->isChecked());
    QCOMPARE(child<QLabel>(main, "lblcl1")->text(), "16Mn(Q345)");
    QCOMPARE(child<QLabel>(main, "lblcl2")->text(), "1Cr18Ni9Ti(321HTB)");
    main.close();
}

void ResultsWindowOpeningTest::reopeningStartsAfresh() {
    MainWindow main;
    main.show();
    ResultsWindow* first = confirmWith(main, {"chk6", "Chk11"});
    QVERIFY(!press(*first, "CommandSMAW")); // widens the window for its long answer
    QVERIFY(first->width() > 403);
    first->close();

    ResultsWindow* second = confirmWith(main, {"Chk11"}); // unticks 40Cr
    QCOMPARE(second, first);                              // one window, kept by the main window
    QCOMPARE(child<QLabel>(*second, "lblcl")->text(), "16MnR    ");
    QCOMPARE(fields(*second), QStringList({"", "", ""}));
    QCOMPARE(second->width(), 403);
    int resultsWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        resultsWindows += w->objectName() == "Form2" ? 1 : 0;
    }
    QCOMPARE(resultsWindows, 1);
    second->close();
}

// More clicks while the not-found notice is up, or the window closed under it: no
// second notice, the fields and the mark as they were, the selection kept.
void ResultsWindowOpeningTest::clicksWhileANoticeIsUp_data() {
    QTest::addColumn<QString>("then");
    QTest::newRow("same button again") << "CommandMAG";
    QTest::newRow("another button") << "CommandSAW";
    QTest::newRow("window closed") << "close";
    QTest::newRow("escape") << "escape";
}

void ResultsWindowOpeningTest::clicksWhileANoticeIsUp() {
    QFETCH(QString, then);
    MainWindow main;
    main.show();
    ResultsWindow* r = confirmWith(main, {"chk23", "chk13"});
    QVERIFY(!press(*r, "CommandSMAW"));
    const QStringList smaw = fields(*r);
    QTest::mouseClick(child<QPushButton>(*r, "CommandMAG"), Qt::LeftButton);
    QVERIFY(QApplication::activeModalWidget() != nullptr);
    if (then == "close") {
        QVERIFY(r->close());
    } else if (then == "escape") {
        QTest::keyClick(r, Qt::Key_Escape);
    } else {
        QTest::mouseClick(child<QPushButton>(*r, qPrintable(then)), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*r, qPrintable(then)), Qt::LeftButton);
    }
    int notices = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        notices += qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible() ? 1 : 0;
    }
    const bool closed = then == "close" || then == "escape";
    QCOMPARE(notices, closed ? 0 : 1);
    if (!closed) {
        QVERIFY(answerNotice());
        QVERIFY(!answerNotice());
        QCOMPARE(fields(*r), smaw);
        QCOMPARE(markedButton(*r), "CommandSMAW");
        r->close();
    }
    QVERIFY(main.isVisible());
    QCOMPARE(child<QLabel>(main, "lblcl1")->text(), "0Cr18Ni10Ti(321)");
    QCOMPARE(child<QLabel>(main, "lblcl2")->text(), "15CrMo(G、R)");
    // The window opens again as usual.
    r = confirmWith(main, {});
    QVERIFY(!press(*r, "CommandSMAW"));
    QCOMPARE(fields(*r), smaw);
    r->close();
}

QTEST_MAIN(ResultsWindowOpeningTest)
#include "results_window_opening_test.moc"
