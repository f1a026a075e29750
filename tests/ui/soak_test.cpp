#include "catalogue/catalogue.h"
#include "gui_support.h"
#include "text_support.h"
#include "ui/clock_text.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/results_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <random>

using velmora::ui::MainWindow;

namespace {

int visibleTopLevels() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        n += w->isVisible() ? 1 : 0;
    }
    return n;
}

} // namespace

// Many rounds of the whole job, as a user does it all day: tick two materials,
// confirm, press every process button, close. Nothing may pile up or stop working.
class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fiveHundredRounds();
};

// Laid out for a Chinese desktop, whatever the machine's locale.
void SoakTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}

void SoakTest::fiveHundredRounds() {
    // The clock shows what this clock says, a second on at each tick: not today's date.
    QDateTime now(QDate(2026, 1, 9), QTime(8, 5, 58));
    MainWindow main(nullptr, [&now] { return now = now.addSecs(1); });
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto* clear = child<QPushButton>(main, "cmdqc");
    auto* confirm = child<QPushButton>(main, "Command1");
    std::mt19937 random(2026);
    std::uniform_int_distribution<std::size_t> pick(0, velmora::kMaterialCount - 1);
    qsizetype widgetsAfterFirstRound = 0;
    int notices = 0;

    for (int round = 0; round < 500; ++round) {
        QTest::mouseClick(clear, Qt::LeftButton);
        const std::size_t a = pick(random);
        std::size_t b = pick(random);
        while (b == a) {
            b = pick(random);
        }
        const QString first = velmora::ui::main_layout::checkBoxName(velmora::kMaterials[a]);
        const QString second = velmora::ui::main_layout::checkBoxName(velmora::kMaterials[b]);
        clickIndicator(child<QCheckBox>(main, first));
        clickIndicator(child<QCheckBox>(main, second));
        QTest::mouseClick(confirm, Qt::LeftButton);

        QPointer<velmora::ui::ResultsWindow> results = main.resultsWindow();
        QVERIFY2(results && results->isVisible() && !main.isVisible(),
                 qPrintable(QString::number(round)));
        QCOMPARE(child<QLabel>(*results, "lblcl")->text(),
                 toQString(velmora::kMaterials[a].designation) + "    " +
                     toQString(velmora::kMaterials[b].designation));
        for (const char* button : {"CommandSMAW", "CommandMAG", "CommandGTAW", "CommandSAW"}) {
            QTest::mouseClick(child<QPushButton>(*results, button), Qt::LeftButton);
            notices += answerNotice() ? 1 : 0;
        }
        results->close();
        QCOMPARE(visibleTopLevels(), 1);
        QVERIFY(main.isVisible());
        if (round == 0) {
            widgetsAfterFirstRound = QApplication::allWidgets().size();
        }
    }
    QVERIFY(notices > 0);
    // Nothing piles up: a notice, a window or a field made in one round is gone by the
    // end of it, or used again in the next.
    QCOMPARE(QApplication::allWidgets().size(), widgetsAfterFirstRound);

    // The selection and the clock still work: the clock's next tick (sent, not waited
    // for) shows the next second of the injected clock.
    QTest::mouseClick(clear, Qt::LeftButton);
    clickIndicator(child<QCheckBox>(main, "chk2"));
    QCOMPARE(child<QLabel>(main, "lblcl1")->text(), "Q235-B,C");
    const auto* clock = child<QLabel>(main, "lblrq");
    auto* timer = main.findChild<QTimer*>("Timer1");
    QVERIFY(timer->isActive());
    const QDateTime shown = now;
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
    QCOMPARE(now, shown.addSecs(1));
    QCOMPARE(clock->text(), velmora::ui::ClockForm::of(QLocale()).text(now));
    main.close();
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
