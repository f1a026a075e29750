// What holds for every material and pair of the catalogue, and for any text outside
// it: the number of pairs each process answers, slot order and an empty slot that
// never matter, every material alone answered, nothing outside the catalogue paired.

#include "catalogue/catalogue.h"
#include "recommend_support.h"
#include "text_support.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTest>

#include <array>
#include <string_view>

using namespace velmora;

namespace {

constexpr std::array kProcesses{Process::Smaw, Process::Mag, Process::Gtaw, Process::Saw};

const char* processName(Process p) {
    switch (p) {
    case Process::Smaw:
        return "SMAW";
    case Process::Mag:
        return "MAG";
    case Process::Gtaw:
        return "GTAW";
    case Process::Saw:
        return "SAW";
    }
    return "?";
}

} // namespace

class RecommendEveryMaterialTest : public QObject {
    Q_OBJECT
private slots:
    void pairCountsPerProcess_data();
    void pairCountsPerProcess();
    void slotOrderNeverMatters();
    void eitherSlotAloneIsTheSame();
    void singleMaterialsAllAnswered();
    void textsOutsideTheCatalogue_data();
    void textsOutsideTheCatalogue();
};

void RecommendEveryMaterialTest::pairCountsPerProcess_data() {
    QTest::addColumn<Process>("process");
    QTest::addColumn<int>("answered");
    QTest::newRow("SMAW") << Process::Smaw << 221;
    QTest::newRow("MAG") << Process::Mag << 220;
    QTest::newRow("GTAW") << Process::Gtaw << 220;
    QTest::newRow("SAW") << Process::Saw << 215;
}

// Every unordered pair of two different materials is either answered or not found,
// and the number answered is the number the table states.
void RecommendEveryMaterialTest::pairCountsPerProcess() {
    QFETCH(Process, process);
    QFETCH(int, answered);
    int written = 0;
    int notFound = 0;
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        for (std::size_t j = i + 1; j < kMaterials.size(); ++j) {
            const Outcome o =
                recommend(process, kMaterials[i].designation, kMaterials[j].designation);
            written += std::holds_alternative<Recommendation>(o) ? 1 : 0;
            notFound += std::holds_alternative<NotFound>(o) ? 1 : 0;
        }
        QVERIFY(std::holds_alternative<NotFound>(
            recommend(process, kMaterials[i].designation, kMaterials[i].designation)));
    }
    QCOMPARE(written, answered);
    QCOMPARE(notFound, 903 - answered);
}

void RecommendEveryMaterialTest::slotOrderNeverMatters() {
    for (Process p : kProcesses) {
        for (const Material& a : kMaterials) {
            for (const Material& b : kMaterials) {
                if (describe(recommend(p, a.designation, b.designation)) !=
                    describe(recommend(p, b.designation, a.designation))) {
                    QFAIL(qPrintable(QString("%1: %2 + %3")
                                         .arg(processName(p), toQString(a.designation),
                                              toQString(b.designation))));
                }
            }
        }
    }
}

void RecommendEveryMaterialTest::eitherSlotAloneIsTheSame() {
    for (Process p : kProcesses) {
        for (const Material& m : kMaterials) {
            QVERIFY2(describe(recommend(p, m.designation, "")) ==
                         describe(recommend(p, "", m.designation)),
                     qPrintable(QString("%1: %2").arg(processName(p), toQString(m.designation))));
        }
    }
}

// Every material alone gets all three fields written, except the one SAW gap.
void RecommendEveryMaterialTest::singleMaterialsAllAnswered() {
    for (Process p : kProcesses) {
        for (const Material& m : kMaterials) {
            const Outcome o = recommend(p, m.designation, "");
            const bool sawGap = p == Process::Saw && m.designation == "1Cr23Ni13(-)";
            QVERIFY2(sawGap ? std::holds_alternative<NoEntry>(o)
                            : std::holds_alternative<Recommendation>(o),
                     qPrintable(QString("%1: %2").arg(processName(p), toQString(m.designation))));
        }
    }
}

void RecommendEveryMaterialTest::textsOutsideTheCatalogue_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("lower case") << QByteArray("16mnr");
    QTest::newRow("trailing space") << QByteArray("16MnR ");
    QTest::newRow("ASCII comma") << QByteArray("15CrMo(G,R)");
    QTest::newRow("full-width comma") << QByteArray("Q235-B，C");
    QTest::newRow("10,000 characters") << QByteArray(10000, 'x');
    QTest::newRow("10,000 characters after a designation")
        << QByteArray("20g") + QByteArray(10000, 'g');
    QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe"
                                                 "15CrMo(G\xe3\x80"
                                                 "R)");
    QTest::newRow("cut inside a character") << QByteArray("15CrMo(G\xe3\x80");
    QTest::newRow("embedded NUL") << QByteArray("16MnR\0", 6);
    QTest::newRow("NUL before a designation") << QByteArray("\0"
                                                            "16MnR",
                                                            6);
    QTest::newRow("group key as text") << QByteArray("tsg1");
}

// A pair with anything outside the catalogue has no rule; alone, such a text finds
// at most an entry keyed by the same text, and nothing ever crashes.
void RecommendEveryMaterialTest::textsOutsideTheCatalogue() {
    QFETCH(QByteArray, text);
    const std::string_view odd(text.constData(), std::size_t(text.size()));
    for (Process p : kProcesses) {
        for (const Material& m : kMaterials) {
            QVERIFY(std::holds_alternative<NotFound>(recommend(p, odd, m.designation)));
            QVERIFY(std::holds_alternative<NotFound>(recommend(p, m.designation, odd)));
        }
        QVERIFY(std::holds_alternative<NotFound>(recommend(p, odd, odd)));
        const Outcome alone = recommend(p, odd, "");
        QCOMPARE(describe(alone), describe(recommend(p, "", odd)));
        if (text != "tsg1") {
            QVERIFY(std::holds_alternative<NoEntry>(alone));
        }
    }
    // The key itself, typed in, is looked up like any other text.
    QCOMPARE(describe(recommend(Process::Smaw, "tsg1", "")),
             describe(recommend(Process::Smaw, "Q235-A(F)", "")));
}

QTEST_GUILESS_MAIN(RecommendEveryMaterialTest)
#include "recommend_every_material_test.moc"
