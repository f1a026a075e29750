#include "catalogue/catalogue.h"
#include "selection/selection_model.h"
#include "text_support.h"

#include <QObject>
#include <QTest>

#include <random>

using namespace velmora;

namespace {

// A designation the test misspells stops the test, in every build type.
const Material& material(std::string_view designation) {
    const Material* m = findMaterial(designation);
    if (m == nullptr) {
        qFatal("not a catalogue designation: %.*s", int(designation.size()), designation.data());
    }
    return *m;
}

QString lineOf(const SelectionModel::ConfirmResult& r) {
    const auto* open = std::get_if<SelectionModel::OpenResults>(&r);
    return open ? toQString(open->materialsLine) : QString("<notice>");
}

} // namespace

class SelectionModelTest : public QObject {
    Q_OBJECT
private slots:
    void scenario();
    void clearUnticksEverything_data();
    void clearUnticksEverything();
    void tickingATickedBoxAgainChangesNothing();
    void randomSequencesKeepTheInvariants();
};

void SelectionModelTest::scenario() {
    SelectionModel model;
    QVERIFY(std::holds_alternative<Notice>(model.confirm()));

    QCOMPARE(std::get<SelectionModel::Slot>(model.tick(material("16MnR"))),
             SelectionModel::Slot::One);
    QCOMPARE(std::get<SelectionModel::Slot>(model.tick(material("20g"))),
             SelectionModel::Slot::Two);

    const auto refused = model.tick(material("35Mn"));
    const auto* r = std::get_if<SelectionModel::Refused>(&refused);
    QVERIFY(r);
    QCOMPARE(toQString(r->notice.text), "选择的材料不能超过两种");
    QCOMPARE(toQString(r->notice.title), "注意！");
    QVERIFY(!model.isTicked(material("35Mn")));
    QCOMPARE(model.slotTexts().slot1, "16MnR");
    QCOMPARE(model.slotTexts().slot2, "20g");

    model.untick(material("16MnR"));
    QCOMPARE(model.slotTexts().slot1, "");
    QCOMPARE(model.slotTexts().slot2, "20g");

    QCOMPARE(std::get<SelectionModel::Slot>(model.tick(material("35Mn"))),
             SelectionModel::Slot::One);
    QCOMPARE(lineOf(model.confirm()), "35Mn    20g");

    model.untick(material("35Mn"));
    QCOMPARE(lineOf(model.confirm()), "    20g");

    model.untick(material("20g"));
    const auto empty = model.confirm();
    const auto* notice = std::get_if<Notice>(&empty);
    QVERIFY(notice);
    QCOMPARE(toQString(notice->text), "请先选择材料（一种或两种组合）");
    QCOMPARE(toQString(notice->title), "提示");

    model.tick(material("Q235-A(F)"));
    QCOMPARE(lineOf(model.confirm()), "Q235-A(F)    ");
}

void SelectionModelTest::clearUnticksEverything_data() {
    QTest::addColumn<QStringList>("ticked");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("first and last") << QStringList{"Q235-A(F)", "904L(UNS N08904)"};
    QTest::newRow("slot 2 only") << QStringList{"Cr25", "40Cr", "-Cr25"};
}

void SelectionModelTest::clearUnticksEverything() {
    QFETCH(QStringList, ticked);
    SelectionModel model;
    for (const QString& t : ticked) {
        if (t.startsWith('-')) {
            model.untick(material(toStd(t.mid(1))));
        } else {
            model.tick(material(toStd(t)));
        }
    }
    model.clear();
    for (const Material& m : kMaterials) {
        QVERIFY(!model.isTicked(m));
    }
    QCOMPARE(model.slotTexts().slot1, "");
    QCOMPARE(model.slotTexts().slot2, "");
    QVERIFY(std::holds_alternative<Notice>(model.confirm()));
}

void SelectionModelTest::tickingATickedBoxAgainChangesNothing() {
    SelectionModel model;
    model.tick(material("20g"));
    QCOMPARE(std::get<SelectionModel::Slot>(model.tick(material("20g"))),
             SelectionModel::Slot::One);
    QCOMPARE(model.slotTexts().slot2, "");
    model.tick(material("Cr25"));
    model.untick(material("20g"));
    QCOMPARE(std::get<SelectionModel::Slot>(model.tick(material("Cr25"))),
             SelectionModel::Slot::Two);
    QCOMPARE(model.slotTexts().slot1, "");
}

// Random ticks, unticks, clears and confirms against what must always hold: a
// material is in a slot exactly when its box is ticked, never in both slots, and a
// slot only ever goes from empty to filled or from filled to empty.
void SelectionModelTest::randomSequencesKeepTheInvariants() {
    int refused = 0;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<std::size_t> pick(0, kMaterialCount - 1);
        std::uniform_int_distribution<int> action(0, 99);
        SelectionModel model;
        for (int step = 0; step < 2500; ++step) {
            const auto before = model.slotTexts();
            const Material& m = kMaterials[pick(random)];
            const int a = action(random);
            if (a < 55) {
                refused += std::holds_alternative<SelectionModel::Refused>(model.tick(m)) ? 1 : 0;
            } else if (a < 95) {
                model.untick(m);
            } else if (a < 98) {
                model.clear();
            } else {
                const QString line = lineOf(model.confirm());
                const bool empty = before.slot1.empty() && before.slot2.empty();
                QCOMPARE(line, empty ? QString("<notice>")
                                     : toQString(before.slot1) + "    " + toQString(before.slot2));
            }
            const auto after = model.slotTexts();
            int ticked = 0;
            for (const Material& x : kMaterials) {
                const bool inSlot = after.slot1 == x.designation || after.slot2 == x.designation;
                if (model.isTicked(x) != inSlot) {
                    QFAIL(qPrintable(QString("seed %1 step %2: %3")
                                         .arg(seed)
                                         .arg(step)
                                         .arg(toQString(x.designation))));
                }
                ticked += model.isTicked(x) ? 1 : 0;
            }
            QVERIFY(ticked <= 2);
            QVERIFY(after.slot1.empty() || after.slot1 != after.slot2);
            QVERIFY(after.slot1 == before.slot1 || after.slot1.empty() || before.slot1.empty());
            QVERIFY(after.slot2 == before.slot2 || after.slot2.empty() || before.slot2.empty());
            QVERIFY(after.slot1.empty() || after.slot1 != before.slot2);
            QVERIFY(after.slot2.empty() || after.slot2 != before.slot1);
            if (a >= 95 && a < 98) {
                QVERIFY(ticked == 0);
            }
        }
    }
    // The walks reached two filled slots and a third tick often enough to matter.
    QVERIFY(refused > 100);
}

QTEST_GUILESS_MAIN(SelectionModelTest)
#include "selection_model_test.moc"
