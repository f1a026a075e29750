// Where the main window's boxes, frames and texts stand, in the twips the form was laid
// out in, and that each text fits its place; the window's title, fonts and clock.

#include "catalogue/catalogue.h"
#include "gui_support.h"
#include "main_window_support.h"
#include "sheet/song_font.h"
#include "text_support.h"
#include "ui/clock_text.h"
#include "ui/main_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

using velmora::ui::MainWindow;

class MainWindowLayoutTest : public QObject {
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
    void clockRunsFromTheStart();
};

// The fit tests run a second time with the Song face hidden from fontconfig; make sure
// that run really is without it.
// The windows are laid out for a Chinese desktop: that is the locale of these tests,
// whatever the machine's is.
void MainWindowLayoutTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    if (qEnvironmentVariableIsSet("VELMORA_EXPECT_FALLBACK_FONT")) {
        QVERIFY(!velmora::sheet::songFaceInstalled());
    }
}

// No window may outlive its test.
void MainWindowLayoutTest::cleanup() {
    verifyNothingLeftOpen();
}

void MainWindowLayoutTest::windowIsFixedAndTitled() {
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
void MainWindowLayoutTest::boxesStandWhereTheTwipsSay_data() {
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

void MainWindowLayoutTest::boxesStandWhereTheTwipsSay() {
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

void MainWindowLayoutTest::framesStandWhereTheTwipsSay_data() {
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

void MainWindowLayoutTest::framesStandWhereTheTwipsSay() {
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

void MainWindowLayoutTest::grade904LIsClickableInsideTG() {
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
void MainWindowLayoutTest::sideColumnTextsFit() {
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

void MainWindowLayoutTest::clockRunsFromTheStart() {
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

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
