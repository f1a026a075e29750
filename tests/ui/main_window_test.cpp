#include "catalogue/catalogue.h"
#include "gui_support.h"
#include "sheet/song_font.h"
#include "text_support.h"
#include "ui/clock_text.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/window_font.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>

#include <cmath>
#include <limits>

using velmora::ui::MainWindow;

namespace {

// The moment every window's clock shows, whatever the hour and date of the run: the
// year's widest, two-digit month, day and hour, after noon.
QDateTime aFixedMoment() {
    return QDateTime(QDate(2026, 12, 28), QTime(12, 58, 58));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void windowIsFixedAndTitled();
    void boxesStandWhereTheTwipsSay_data();
    void boxesStandWhereTheTwipsSay();
    void framesStandWhereTheTwipsSay_data();
    void framesStandWhereTheTwipsSay();
    void grade904LIsClickableInsideTG();
    void sideColumnTextsFit();
    void accessibleNames_data();
    void accessibleNames();
    void selectionScenarioByClicking();
    void clearUnticksAndEmptiesTheSlots();
    void confirmWithNothingChosenShowsANotice();
    void confirmHidesTheWindowAndAsksForResults();
    void clockRunsFromTheStart();
    void tabWalksTheGroupsColumnByColumn();
    void spaceTogglesTheFocusedBox();
    void enterPressesTheFocusedButtonElseConfirms_data();
    void enterPressesTheFocusedButtonElseConfirms();
    void ticksWhileTheRefusalIsUp();
    void typingFindsAMaterial_data();
    void typingFindsAMaterial();
    void typedTextTellsLFromOne();
};

// The fit tests run a second time with the Song face hidden from fontconfig; make sure
// that run really is without it.
// The windows are laid out for a Chinese desktop: that is the locale of these tests,
// whatever the machine's is.
void MainWindowTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    if (qEnvironmentVariableIsSet("VELMORA_EXPECT_FALLBACK_FONT")) {
        QVERIFY(!velmora::sheet::songFaceInstalled());
    }
}

// No window may outlive its test.
void MainWindowTest::cleanup() {
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }
}

void MainWindowTest::windowIsFixedAndTitled() {
    MainWindow w(nullptr, aFixedMoment);
    QCOMPARE(w.objectName(), "Form1");
    QCOMPARE(w.windowTitle(), "Velmora V1.0");
    QCOMPARE(w.size(), QSize(625, 436));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.font().pointSizeF(), 9.0);
    auto* timer = w.findChild<QTimer*>("Timer1");
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QCOMPARE(child<QPushButton>(w, "cmdqc")->text(), "清 除 选 择");
    QCOMPARE(child<QPushButton>(w, "Command1")->text(), "请 选 择");
    QCOMPARE(child<QLabel>(w, "Label6")->text(), "软件说明");
    QCOMPARE(child<QLabel>(w, "Label4")->text(), "设计及编程");
    QVERIFY(!child<QLabel>(w, "Label5")->text().isEmpty());
    const QLabel* clock = child<QLabel>(w, "lblrq");
    QVERIFY(clock->font().bold());
    QCOMPARE(clock->font().pointSizeF(), 10.5);
    QCOMPARE(clock->palette().color(QPalette::WindowText), QColor(128, 128, 255));
    for (const char* name : {"Label4", "Label5", "Label6"}) {
        QCOMPARE(child<QLabel>(w, name)->font().pointSizeF(), 10.5);
    }
}

// Left, top and width in twips, as the layout tables give them; every box is 330 high.
void MainWindowTest::boxesStandWhereTheTwipsSay_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    struct Row {
        const char* name;
        const char* parent;
        int left, top, width;
    };
    const Row rows[] = {
        {"chk1", "Frame1", 105, 210, 1320},    {"chk2", "Frame1", 105, 600, 1320},
        {"chk3", "Frame1", 120, 960, 1560},    {"chk4", "Frame1", 105, 1320, 960},
        {"chk5", "Frame2", 105, 210, 1320},    {"chk6", "Frame2", 105, 600, 960},
        {"chk7", "Frame2", 105, 960, 960},     {"chk8", "Frame2", 105, 1320, 960},
        {"chk9", "Frame3", 120, 240, 1440},    {"chk10", "Frame4", 120, 240, 960},
        {"Chk11", "Frame4", 120, 600, 960},    {"Chk12", "Frame5", 120, 240, 1320},
        {"chk13", "Frame5", 120, 600, 1440},   {"chk14", "Frame6", 120, 240, 1680},
        {"chk15", "Frame7", 120, 240, 1560},   {"chk16", "Frame7", 120, 600, 1680},
        {"chk17", "Frame7", 120, 960, 1800},   {"chk18", "Frame8", 120, 240, 960},
        {"chk19", "Frame8", 120, 600, 960},    {"chk20", "Frame9", 120, 240, 960},
        {"chk21", "Frame10", 120, 240, 1920},  {"chk22", "Frame10", 120, 600, 2040},
        {"chk23", "Frame10", 120, 960, 1800},  {"chk24", "Frame10", 120, 1320, 1920},
        {"chk25", "Frame10", 120, 1680, 1920}, {"chk26", "Frame10", 120, 2040, 1920},
        {"chk27", "Frame10", 120, 2400, 1920}, {"chk28", "Frame10", 120, 2760, 2040},
        {"chk29", "Frame10", 120, 3120, 2040}, {"chk30", "Frame10", 120, 3480, 2040},
        {"chk31", "Frame11", 120, 240, 1800},  {"chk32", "Frame12", 120, 240, 1800},
        {"chk33", "Frame12", 120, 600, 1800},  {"chk34", "Frame12", 120, 960, 1800},
        {"chk35", "Frame12", 120, 1320, 1800}, {"chk36", "Frame13", 120, 240, 2280},
        {"chk37", "Frame13", 120, 600, 2160},  {"chk38", "Frame13", 120, 960, 2280},
        {"chk39", "Frame13", 120, 1320, 2280}, {"chk40", "Frame13", 120, 1680, 2160},
        {"chk41", "Frame14", 120, 240, 1920},  {"chk42", "Frame14", 120, 600, 1920},
        {"chk43", "Form1", 4440, 6000, 2160},
    };
    for (const Row& r : rows) {
        QTest::newRow(r.name) << r.name << r.parent << r.left << r.top << r.width;
    }
}

void MainWindowTest::boxesStandWhereTheTwipsSay() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* box = child<QCheckBox>(w, name);
    QCOMPARE(box->parentWidget()->objectName(), parent);
    QCOMPARE(box->geometry(), QRect(left / 15, top / 15, width / 15, 330 / 15));
    QVERIFY(box->isVisible());

    // The whole caption fits beside the indicator.
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const int textWidth = box->fontMetrics().horizontalAdvance(box->text());
    QVERIFY2(contents.left() + textWidth <= box->width(),
             qPrintable(QString("%1 needs %2 px, has %3")
                            .arg(box->text())
                            .arg(contents.left() + textWidth)
                            .arg(box->width())));
    QVERIFY(box->fontMetrics().height() <= box->height());

    // The caption is the designation of the material with that number.
    const int index = name.mid(3).toInt();
    QCOMPARE(box->text(), toQString(velmora::findMaterial(index)->designation));
}

void MainWindowTest::framesStandWhereTheTwipsSay_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Frame1") << "Frame1"
                            << "I" << QRect(120, 0, 1755, 1770);
    QTest::newRow("Frame2") << "Frame2"
                            << "Ⅱ" << QRect(120, 1800, 1755, 1725);
    QTest::newRow("Frame3") << "Frame3"
                            << "Ⅲ" << QRect(120, 3600, 1755, 690);
    QTest::newRow("Frame4") << "Frame4"
                            << "Ⅳ" << QRect(120, 4320, 1755, 1050);
    QTest::newRow("Frame5") << "Frame5"
                            << "Ⅴ" << QRect(120, 5400, 1755, 1050);
    QTest::newRow("Frame6") << "Frame6"
                            << "Ⅵ" << QRect(2040, 0, 2115, 690);
    QTest::newRow("Frame7") << "Frame7"
                            << "Ⅶ" << QRect(2040, 720, 2115, 1410);
    QTest::newRow("Frame8") << "Frame8"
                            << "Ⅷ" << QRect(2040, 2160, 2115, 1050);
    QTest::newRow("Frame9") << "Frame9"
                            << "Ⅸ" << QRect(2040, 3240, 2115, 690);
    QTest::newRow("Frame10") << "Frame10"
                             << "Ⅹ" << QRect(4320, 0, 2475, 3930);
    QTest::newRow("Frame11") << "Frame11"
                             << "Ⅺ" << QRect(2040, 3960, 2115, 690);
    QTest::newRow("Frame12") << "Frame12"
                             << "Ⅻ" << QRect(2040, 4680, 2115, 1770);
    QTest::newRow("Frame13") << "Frame13"
                             << "TG" << QRect(4320, 3960, 2475, 2490);
    QTest::newRow("Frame14") << "Frame14"
                             << "ZG" << QRect(6960, 0, 2295, 1050);
    QTest::newRow("Frame15") << "Frame15"
                             << "已选材料" << QRect(6840, 4800, 2460, 1185);
}

void MainWindowTest::framesStandWhereTheTwipsSay() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    MainWindow w(nullptr, aFixedMoment);
    auto* frame = child<QGroupBox>(w, name);
    QCOMPARE(frame->parentWidget(), &w);
    QCOMPARE(frame->title(), caption);
    QCOMPARE(frame->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

void MainWindowTest::grade904LIsClickableInsideTG() {
    MainWindow w(nullptr, aFixedMoment);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* box = child<QCheckBox>(w, "chk43");
    auto* tg = child<QGroupBox>(w, "Frame13");
    QVERIFY(tg->geometry().contains(box->geometry()));
    QCOMPARE(w.childAt(box->geometry().center()), box);
    clickIndicator(box);
    QVERIFY(box->isChecked());
    QCOMPARE(child<QLabel>(w, "lblcl1")->text(), "904L(UNS N08904)");
}

// Every text of the side column fits its place: the notice to its last line, the
// headings and clock, the button captions, and any designation in a slot.
void MainWindowTest::sideColumnTextsFit() {
    MainWindow w(nullptr, aFixedMoment);
    const auto* notice = child<QLabel>(w, "Label1");
    QVERIFY(notice->wordWrap());
    const QString text = notice->text();
    const auto chinese =
        std::count_if(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
    QVERIFY2(chinese >= 66 && chinese <= 86, qPrintable(QString::number(chinese)));
    QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());
    for (const char* name : {"Label4", "Label5", "Label6"}) {
        const auto* l = child<QLabel>(w, name);
        QVERIFY(l->alignment() & Qt::AlignHCenter);
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), name);
        QVERIFY2(l->fontMetrics().height() <= l->height(), name);
    }
    for (const char* name : {"cmdqc", "Command1"}) {
        const auto* b = child<QPushButton>(w, name);
        QStyleOptionButton option;
        option.initFrom(b);
        const QRect area = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= area.width(), name);
    }
    // The clock at the year's widest moment, in a long form (Korean, twelve-hour).
    const QLocale korean(QLocale::Korean, QLocale::SouthKorea);
    QLocale::setDefault(korean);
    const MainWindow inKorean(nullptr, aFixedMoment);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    const auto* clock = child<QLabel>(inKorean, "lblrq");
    const QString widest = velmora::ui::ClockForm::of(korean).text(aFixedMoment());
    QVERIFY2(clock->fontMetrics().horizontalAdvance(widest) <= clock->width(), qPrintable(widest));
    QVERIFY(clock->fontMetrics().height() <= clock->height());
    const auto* slot = child<QLabel>(w, "lblcl1");
    for (const velmora::Material& m : velmora::kMaterials) {
        QVERIFY2(slot->fontMetrics().horizontalAdvance(toQString(m.designation)) <=
                     slot->contentsRect().width(),
                 m.designation.data());
    }
}

// What a screen reader says for each control: its name and, for a slot, what it holds
// (after ticking 16MnR and 20g).
void MainWindowTest::accessibleNames_data() {
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

void MainWindowTest::accessibleNames() {
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

void MainWindowTest::selectionScenarioByClicking() {
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

void MainWindowTest::clearUnticksAndEmptiesTheSlots() {
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

void MainWindowTest::confirmWithNothingChosenShowsANotice() {
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

void MainWindowTest::confirmHidesTheWindowAndAsksForResults() {
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

void MainWindowTest::clockRunsFromTheStart() {
    // The clock shows the moment the window is made, in the locale's own form, and each
    // tick of the one-second timer writes it again, also while the window is hidden.
    QDateTime now(QDate(2026, 12, 28), QTime(23, 58, 58));
    MainWindow w(nullptr, [&now] { return now; });
    const auto* clock = child<QLabel>(w, "lblrq");
    const auto form = velmora::ui::ClockForm::of(QLocale());
    QCOMPARE(clock->text(), form.text(now));
    auto* timer = w.findChild<QTimer*>("Timer1");
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    now = now.addSecs(3);
    QTimerEvent tick(timer->timerId()); // the tick, without waiting a second for it
    QCoreApplication::sendEvent(timer, &tick);
    QCOMPARE(clock->text(), form.text(now));
}

void MainWindowTest::tabWalksTheGroupsColumnByColumn() {
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

void MainWindowTest::spaceTogglesTheFocusedBox() {
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
void MainWindowTest::enterPressesTheFocusedButtonElseConfirms_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("confirms");
    QTest::newRow("Return on a box") << "chk6" << int(Qt::Key_Return) << true;
    QTest::newRow("Enter on a box") << "chk43" << int(Qt::Key_Enter) << true;
    QTest::newRow("Return on confirm") << "Command1" << int(Qt::Key_Return) << true;
    QTest::newRow("Return on clear") << "cmdqc" << int(Qt::Key_Return) << false;
    QTest::newRow("Enter on clear") << "cmdqc" << int(Qt::Key_Enter) << false;
}

void MainWindowTest::enterPressesTheFocusedButtonElseConfirms() {
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

// More boxes ticked while the refusal is up (a program's clicks, or ones queued
// before it came): one notice, and after OK every refused box is unticked.
void MainWindowTest::ticksWhileTheRefusalIsUp() {
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

// Letters, digits and signs typed on a box or a button move the focus to the first
// material in Tab order whose name starts so ("⌫" is Backspace); while a notice is up
// they go to the notice and the focus stays where it was.
void MainWindowTest::typingFindsAMaterial_data() {
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

void MainWindowTest::typingFindsAMaterial() {
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
void MainWindowTest::typedTextTellsLFromOne() {
    const QImage letter = typedTextShown("316l");
    const QImage digit = typedTextShown("3161");
    QVERIFY(!letter.isNull() && !digit.isNull());
    QVERIFY2(inkApart(letter, digit) >= 6, qPrintable(QString::number(inkApart(letter, digit))));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
