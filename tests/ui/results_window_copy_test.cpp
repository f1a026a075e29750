// Taking an answer away from the results window: selecting and copying a field, Ctrl+C
// for the answer on display, and the right-click menu that offers copy, print and
// export.

#include "results_support.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

using namespace velmora;
using velmora::ui::MainWindow;
using velmora::ui::ResultsWindow;

class ResultsWindowCopyTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void answersCanBeCopied();
    void copyGivesTheAnswerOnDisplay_data();
    void copyGivesTheAnswerOnDisplay();
    void rightClickOffersCopyPrintAndExport();
};

void ResultsWindowCopyTest::cleanup() {
    verifyResultsTestLeftNothingOpen();
}

void ResultsWindowCopyTest::answersCanBeCopied() {
    MainWindow main;
    main.show();
    ResultsWindow* r = confirmWith(main, {"chk15"});
    QVERIFY(QTest::qWaitForWindowExposed(r));
    QVERIFY(activate(r));
    QVERIFY(!press(*r, "CommandMAG"));
    auto* gas = child<QLabel>(*r, "lblqtlx");
    QCOMPARE(gas->text(), "保护气体：97%Ar3%CO2");
    QVERIFY(gas->textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(child<QLabel>(*r, "lblcl")->textInteractionFlags() & Qt::TextSelectableByMouse);
    // Double-click selects a word; select everything the way a drag would, then copy.
    gas->setFocus();
    gas->setSelection(0, int(gas->text().size()));
    QTest::keyClick(gas, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "保护气体：97%Ar3%CO2");
    r->close();
}

void ResultsWindowCopyTest::copyGivesTheAnswerOnDisplay_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("heading"); // the first two lines; empty: nothing to copy

    QTest::newRow("pair") << QStringList{"chk6", "chk2"} << QStringList{"CommandSMAW"}
                          << "16MnR    Q235-B,C\n焊条电弧焊(SMAW)";
    QTest::newRow("slot 2 alone: the line trimmed")
        << QStringList{"chk6", "chk4", "chk6"} << QStringList{"CommandGTAW"}
        << "20g\n手工氩弧焊(GTAW)";
    QTest::newRow("the last answer stands, with its own process")
        << QStringList{"chk23", "chk13"} << QStringList{"CommandGTAW", "CommandSMAW", "CommandMAG"}
        << "0Cr18Ni10Ti(321)    15CrMo(G、R)\n焊条电弧焊(SMAW)";
    QTest::newRow("nothing on display")
        << QStringList{"chk23", "chk13"} << QStringList{"CommandMAG"} << "";
}

void ResultsWindowCopyTest::copyGivesTheAnswerOnDisplay() {
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, buttons);
    QFETCH(QString, heading);

    MainWindow main;
    main.show();
    ResultsWindow* r = confirmWith(main, boxes);
    QVERIFY(QTest::qWaitForWindowExposed(r));
    QVERIFY(activate(r));
    auto* copy = child<QAction>(*r, "copyAnswer");
    QVERIFY(!copy->isEnabled());
    for (const QString& b : buttons) {
        press(*r, qPrintable(b));
    }
    QVERIFY(activate(r)); // back from the notices
    QGuiApplication::clipboard()->setText("before");
    QTest::keyClick(r, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(copy->isEnabled(), !heading.isEmpty());
    QCOMPARE(QGuiApplication::clipboard()->text(),
             heading.isEmpty() ? "before" : heading + "\n" + fields(*r).join('\n'));
    r->close();
    QVERIFY(!copy->isEnabled());
}

// A right-click anywhere, an output field included, offers the three actions.
void ResultsWindowCopyTest::rightClickOffersCopyPrintAndExport() {
    MainWindow main;
    main.show();
    ResultsWindow* r = confirmWith(main, {"chk15"});
    QVERIFY(QTest::qWaitForWindowExposed(r));
    QStringList offered;
    QTimer::singleShot(0, r, [&] {
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (const QAction* a : menu->actions()) {
            offered << a->text() + " " + a->shortcut().toString();
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(child<QLabel>(*r, "lblhtxh"), &event);
    QCOMPARE(offered, QStringList({"复制结果 Ctrl+C", "打印… Ctrl+P", "打印预览… Ctrl+Shift+P",
                                   "导出 PDF… Ctrl+Shift+S"}));
    r->close();
}

QTEST_MAIN(ResultsWindowCopyTest)
#include "results_window_copy_test.moc"
