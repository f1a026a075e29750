#include "catalogue/catalogue.h"
#include "recommend/recommend.h"
#include "text_support.h"

#include <QObject>
#include <QStringList>
#include <QTest>

#include <string>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::Process)

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

// The outcome as one list of texts a failing comparison prints readably.
QStringList describe(const Outcome& outcome) {
    if (const auto* r = std::get_if<Recommendation>(&outcome)) {
        return {toQString((*r)[0]), toQString((*r)[1]), toQString((*r)[2])};
    }
    return {std::holds_alternative<NotFound>(outcome) ? "<not found>" : "<no entry>"};
}

const QStringList kNotFound{"<not found>"};
const QStringList kNoEntry{"<no entry>"};

} // namespace

class RecommendTest : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void pairCountsPerProcess_data();
    void pairCountsPerProcess();
    void slotOrderNeverMatters();
    void eitherSlotAloneIsTheSame();
    void singleMaterialsAllAnswered();
    void textsOutsideTheCatalogue_data();
    void textsOutsideTheCatalogue();
};

void RecommendTest::answers_data() {
    QTest::addColumn<Process>("process");
    QTest::addColumn<QString>("slot1");
    QTest::addColumn<QString>("slot2");
    QTest::addColumn<QStringList>("expected");

    const auto S = Process::Smaw;
    const auto M = Process::Mag;
    const auto G = Process::Gtaw;
    const auto W = Process::Saw;

    // SMAW
    QTest::newRow("SMAW 16MnR + Q235-B,C")
        << S << "16MnR"
        << "Q235-B,C"
        << QStringList{"焊条型号：E5015 E5016", "焊条牌号：J507  J506", "保护气体：无"};
    QTest::newRow("SMAW Q235-B,C alone via tsg1")
        << S << "Q235-B,C"
        << "" << QStringList{"焊条型号：E4303 E4315", "焊条牌号：J422  J427", "保护气体：无"};
    QTest::newRow("SMAW 16Mn(Q345) alone via dhjg1")
        << S << ""
        << "16Mn(Q345)"
        << QStringList{"焊条型号：E5016 E5015", "焊条牌号：J506  J507", "保护气体：无"};
    QTest::newRow("SMAW 40Cr alone: bare prefixes")
        << S << "40Cr"
        << "" << QStringList{"焊条型号：", "焊条牌号：", "保护气体：无"};
    QTest::newRow("SMAW both empty")
        << S << ""
        << "" << QStringList{"焊条型号：", "焊条牌号：", "保护气体：无"};
    QTest::newRow("SMAW 0Cr17 alone: three spaces")
        << S << "0Cr17"
        << "" << QStringList{"焊条型号：--", "焊条牌号：G302   G307", "保护气体：无"};
    QTest::newRow("SMAW 20MnMoNb alone: five spaces")
        << S << "20MnMoNb"
        << ""
        << QStringList{"焊条型号：E6015-D1 E6016-D1", "焊条牌号：J607     J606", "保护气体：无"};
    QTest::newRow("SMAW Q235-A(F) + Q235-B,C: pair rule, not the group key")
        << S << "Q235-A(F)"
        << "Q235-B,C"
        << QStringList{"焊条型号：E4303 E4315", "焊条牌号：J422  J427", "保护气体：无"};
    QTest::newRow("SMAW 40Cr + 20g: two spaces")
        << S << "40Cr"
        << "20g"
        << QStringList{"焊条型号：E309-16 E309-15", "焊条牌号：A302  A307", "保护气体：无"};
    QTest::newRow("SMAW 1Cr13(410) + 16MnR: four spaces")
        << S << "1Cr13(410)"
        << "16MnR"
        << QStringList{"焊条型号：E309-16 E309-15", "焊条牌号：A302    A307", "保护气体：无"};
    QTest::newRow("SMAW 0Cr25Ni20(310S) alone")
        << S << "0Cr25Ni20(310S)"
        << "" << QStringList{"焊条型号：E310-16", "焊条牌号：A402", "保护气体：无"};
    QTest::newRow("SMAW 15CrMo(G、R) + 0Cr18Ni10Ti(321): six spaces")
        << S << "15CrMo(G、R)"
        << "0Cr18Ni10Ti(321)"
        << QStringList{"焊条型号：E6016-B3  E6015-B3", "焊条牌号：A402      A407", "保护气体：无"};
    QTest::newRow("SMAW 16MnR + 40Cr: no preheat, no temper")
        << S << "16MnR"
        << "40Cr"
        << QStringList{"焊条型号：E310-15 E310-16(不预热、不回火)", "焊条牌号：A407    A402",
                       "保护气体：无"};
    QTest::newRow("SMAW Q235-A(F) + 0Cr23Ni18(-): the one dashed gas")
        << S << "Q235-A(F)"
        << "0Cr23Ni18(-)" << QStringList{"焊条型号：暂无", "焊条牌号：--", "保护气体：--"};
    QTest::newRow("SMAW 304 + 316L")
        << S << "0Cr18Ni9(304)"
        << "00Cr17Ni14Mo2(316L)"
        << QStringList{"焊条型号：E316L-16", "焊条牌号：A022", "保护气体：无"};
    QTest::newRow("SMAW 316 + 904L")
        << S << "0Cr17Ni12Mo2(316)"
        << "904L(UNS N08904)" << QStringList{"焊条型号：ENiCrMo-4", "焊条牌号：--", "保护气体：无"};
    QTest::newRow("SMAW 20MnMo + 40Cr") << S << "20MnMo"
                                        << "40Cr" << kNotFound;
    QTest::newRow("SMAW same material twice") << S << "Q235-A(F)"
                                              << "Q235-A(F)" << kNotFound;

    // MAG
    QTest::newRow("MAG 20g alone")
        << M << "20g"
        << ""
        << QStringList{"焊丝型号：ER50-6", "焊丝牌号：MG50-6(H08Mn2Si)", "保护气体：80%Ar+20%CO2"};
    QTest::newRow("MAG 40Cr alone")
        << M << "40Cr"
        << ""
        << QStringList{"焊丝型号：ER49-1", "焊丝牌号：MG50-1(H08Mn2SiA)", "保护气体：97%Ar+3%CO2"};
    QTest::newRow("MAG 0Cr13(405) alone: no plus sign")
        << M << "0Cr13(405)"
        << "" << QStringList{"焊丝型号：--", "焊丝牌号：H0Cr14", "保护气体：97%Ar3%CO2"};
    QTest::newRow("MAG 1Cr13(410) alone: plus sign")
        << M << ""
        << "1Cr13(410)"
        << QStringList{"焊丝型号：ER410", "焊丝牌号：H1Cr13", "保护气体：97%Ar+3%CO2"};
    QTest::newRow("MAG 304 alone")
        << M << "0Cr18Ni9(304)"
        << "" << QStringList{"焊丝型号：E309LSi", "焊丝牌号：--", "保护气体：97%Ar+3%CO2"};
    QTest::newRow("MAG AL-6XN alone: bare prefixes")
        << M << "AL-6XN(UNS N08367)"
        << "" << QStringList{"焊丝型号：", "焊丝牌号：", "保护气体："};
    QTest::newRow("MAG 20MnMo alone: dashes")
        << M << "20MnMo"
        << "" << QStringList{"焊丝型号：--", "焊丝牌号：--", "保护气体：--"};
    QTest::newRow("MAG 16MnR + 40Cr")
        << M << "16MnR"
        << "40Cr" << QStringList{"焊丝型号：--", "焊丝牌号：H1Cr21Ni10Mn6", "保护气体：--"};
    QTest::newRow("MAG 20g + 40Cr")
        << M << "20g"
        << "40Cr"
        << QStringList{"焊丝型号：--", "焊丝牌号：H1Cr21Ni10Mn6", "保护气体：97%Ar+3%CO2"};
    QTest::newRow("MAG 15CrMo(G、R) + 16Mn(Q345)")
        << M << "15CrMo(G、R)"
        << "16Mn(Q345)"
        << QStringList{"焊丝型号：ER49-1", "焊丝牌号：MG50-1(H08Mn2SiA)", "保护气体：80%Ar+20%CO2"};
    QTest::newRow("MAG 15CrMo(G、R) + 20g")
        << M << "15CrMo(G、R)"
        << "20g"
        << QStringList{"焊丝型号：ER55-B2", "焊丝牌号：H08CrMnSiMo", "保护气体：97%Ar+3%CO2"};
    QTest::newRow("MAG 12CrMo(G) + 16Mn(Q345)") << M << "12CrMo(G)"
                                                << "16Mn(Q345)" << kNotFound;
    QTest::newRow("MAG 304 + 310S")
        << M << "0Cr18Ni9(304)"
        << "0Cr25Ni20(310S)" << QStringList{"焊丝型号：--", "焊丝牌号：--", "保护气体：--"};
    QTest::newRow("MAG 304L + 310S") << M << "00Cr19Ni10(304L)"
                                     << "0Cr25Ni20(310S)" << kNotFound;
    QTest::newRow("MAG 904L + 304")
        << M << "904L(UNS N08904)"
        << "0Cr18Ni9(304)" << QStringList{"焊丝型号：--", "焊丝牌号：--", "保护气体：--"};
    QTest::newRow("MAG 16MnR + 904L") << M << "16MnR"
                                      << "904L(UNS N08904)" << kNotFound;
    QTest::newRow("MAG 321 + 15CrMo: SMAW only") << M << "0Cr18Ni10Ti(321)"
                                                 << "15CrMo(G、R)" << kNotFound;

    // GTAW
    QTest::newRow("GTAW 15CrMo(G、R) alone: 无 classification")
        << G << "15CrMo(G、R)"
        << "" << QStringList{"焊丝型号：无", "焊丝牌号：H13CrMoA", "保护气体：Ar"};
    QTest::newRow("GTAW 12CrMo(G) alone")
        << G << "12CrMo(G)"
        << "" << QStringList{"焊丝型号：--", "焊丝牌号：H08CrMoA", "保护气体：Ar"};
    QTest::newRow("GTAW 15MnVR alone")
        << G << "15MnVR"
        << "" << QStringList{"焊丝型号：--", "焊丝牌号：H08Mn2SiA", "保护气体：--"};
    QTest::newRow("GTAW 16MnR alone via dhjg1")
        << G << "16MnR"
        << "" << QStringList{"焊丝型号：--", "焊丝牌号：H10MnSi", "保护气体：Ar"};
    QTest::newRow("GTAW Inconel625 alone: 82焊丝")
        << G << "Inconel625(UNS N06625)"
        << "" << QStringList{"焊丝型号：82焊丝", "焊丝牌号：--", "保护气体：Ar"};
    QTest::newRow("GTAW Inconel625 + 304: 82")
        << G << "Inconel625(UNS N06625)"
        << "0Cr18Ni9(304)" << QStringList{"焊丝型号：82", "焊丝牌号：--", "保护气体：Ar"};
    QTest::newRow("GTAW 310S alone")
        << G << "0Cr25Ni20(310S)"
        << "" << QStringList{"焊丝型号：ER310", "焊丝牌号：HCr25Ni20", "保护气体：Ar"};
    QTest::newRow("GTAW 310S + Q235-A(F)")
        << G << "0Cr25Ni20(310S)"
        << "Q235-A(F)" << QStringList{"焊丝型号：ER310", "焊丝牌号：H1Cr26Ni21", "保护气体：Ar"};
    QTest::newRow("GTAW 304L alone")
        << G << "00Cr19Ni10(304L)"
        << "" << QStringList{"焊丝型号：E308L", "焊丝牌号：H00Cr21Ni10", "保护气体：Ar"};
    QTest::newRow("GTAW 904L alone")
        << G << "904L(UNS N08904)"
        << "" << QStringList{"焊丝型号：ER385-16", "焊丝牌号：--", "保护气体：Ar"};
    QTest::newRow("GTAW 40Cr + 16MnR")
        << G << "40Cr"
        << "16MnR" << QStringList{"焊丝型号：--", "焊丝牌号：H1Cr21Ni10Mn6", "保护气体：Ar"};
    QTest::newRow("GTAW 15MnVR + 20MnMo")
        << G << "15MnVR"
        << "20MnMo" << QStringList{"焊丝型号：--", "焊丝牌号：--", "保护气体：--"};
    QTest::newRow("GTAW 20MnMo + Q235-A(F)")
        << G << "20MnMo"
        << "Q235-A(F)" << QStringList{"焊丝型号：--", "焊丝牌号：H10MnSi", "保护气体：Ar"};
    QTest::newRow("GTAW Q235-A(F) + 309S")
        << G << "Q235-A(F)"
        << "0Cr23Ni13(309S)"
        << QStringList{"焊丝型号：ER309", "焊丝牌号：H1Cr24Ni13", "保护气体：Ar"};
    QTest::newRow("GTAW Q235-A(F) + 0Cr23Ni18(-)")
        << G << "Q235-A(F)"
        << "0Cr23Ni18(-)" << QStringList{"焊丝型号：--", "焊丝牌号：--", "保护气体：--"};
    QTest::newRow("GTAW 904L + 304")
        << G << "904L(UNS N08904)"
        << "0Cr18Ni9(304)" << QStringList{"焊丝型号：--", "焊丝牌号：--", "保护气体：Ar"};
    QTest::newRow("GTAW 904L + Q235-A(F)") << G << "904L(UNS N08904)"
                                           << "Q235-A(F)" << kNotFound;
    QTest::newRow("GTAW C-276 + 16MnR")
        << G << "C-276(UNS N10276)"
        << "16MnR" << QStringList{"焊丝型号：ERNiCrMo-4", "焊丝牌号：--", "保护气体：Ar"};
    QTest::newRow("GTAW C-276 + 904L") << G << "C-276(UNS N10276)"
                                       << "904L(UNS N08904)" << kNotFound;
    QTest::newRow("GTAW both empty") << G << ""
                                     << "" << QStringList{"焊丝型号：", "焊丝牌号：", "保护气体："};

    // SAW
    QTest::newRow("SAW Q235-A(F) alone")
        << W << "Q235-A(F)"
        << "" << QStringList{"焊丝牌号：H08A", "焊剂牌号：HJ431", "保护气体：无"};
    QTest::newRow("SAW 20g alone: own entry, not tsg1")
        << W << "20g"
        << "" << QStringList{"焊丝牌号：H08MnA", "焊剂牌号：HJ431", "保护气体：无"};
    QTest::newRow("SAW Q235-A(F) + 20g")
        << W << "Q235-A(F)"
        << "20g" << QStringList{"焊丝牌号：H08A", "焊剂牌号：HJ431", "保护气体：无"};
    QTest::newRow("SAW 12CrMo(G) alone: H13MoCrA")
        << W << "12CrMo(G)"
        << "" << QStringList{"焊丝牌号：H13MoCrA", "焊剂牌号：HJ350", "保护气体：无"};
    QTest::newRow("SAW 15CrMo(G、R) alone: H13CrMoA")
        << W << "15CrMo(G、R)"
        << "" << QStringList{"焊丝牌号：H13CrMoA", "焊剂牌号：HJ350", "保护气体：无"};
    QTest::newRow("SAW Q235-B,C + 12CrMo(G)")
        << W << "Q235-B,C"
        << "12CrMo(G)" << QStringList{"焊丝牌号：H10CrMoA", "焊剂牌号：HJ350", "保护气体：无"};
    QTest::newRow("SAW 20g + 15CrMo(G、R)")
        << W << "20g"
        << "15CrMo(G、R)" << QStringList{"焊丝牌号：H13CrMoA", "焊剂牌号：HJ350", "保护气体：无"};
    QTest::newRow("SAW 309S alone: bare prefixes")
        << W << "0Cr23Ni13(309S)"
        << "" << QStringList{"焊丝牌号：", "焊剂牌号：", "保护气体："};
    QTest::newRow("SAW both empty") << W << ""
                                    << "" << QStringList{"焊丝牌号：", "焊剂牌号：", "保护气体："};
    QTest::newRow("SAW 1Cr23Ni13(-) in slot 1: no entry") << W << "1Cr23Ni13(-)"
                                                          << "" << kNoEntry;
    QTest::newRow("SAW 1Cr23Ni13(-) in slot 2: no entry") << W << ""
                                                          << "1Cr23Ni13(-)" << kNoEntry;
    QTest::newRow("SAW Q235-A(F) + 1Cr23Ni13(-)")
        << W << "Q235-A(F)"
        << "1Cr23Ni13(-)" << QStringList{"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"};
    QTest::newRow("SAW 1Cr23Ni13(-) + 309S") << W << "1Cr23Ni13(-)"
                                             << "0Cr23Ni13(309S)" << kNotFound;
    QTest::newRow("SAW 16MnR + 304")
        << W << "16MnR"
        << "0Cr18Ni9(304)" << QStringList{"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"};
    QTest::newRow("SAW 20g + Incoloy800: the 82 exception")
        << W << "20g"
        << "Incoloy800(UNS N08800)" << QStringList{"焊丝型号：82", "焊丝牌号：--", "保护气体：Ar"};
    QTest::newRow("SAW 20g + Inconel625: dashes")
        << W << "20g"
        << "Inconel625(UNS N06625)" << QStringList{"焊丝牌号：--", "焊剂牌号：--", "保护气体：--"};
    QTest::newRow("SAW 304 + 304L") << W << "0Cr18Ni9(304)"
                                    << "00Cr19Ni10(304L)" << kNotFound;
    QTest::newRow("SAW 316 + 316L") << W << "0Cr17Ni12Mo2(316)"
                                    << "00Cr17Ni14Mo2(316L)" << kNotFound;
    QTest::newRow("SAW 15MnVR + 304") << W << "15MnVR"
                                      << "0Cr18Ni9(304)" << kNotFound;
    QTest::newRow("SAW 16Mn(Q345) + 12CrMo(G)") << W << "16Mn(Q345)"
                                                << "12CrMo(G)" << kNotFound;
    QTest::newRow("SAW Q235-A(F) + 904L") << W << "Q235-A(F)"
                                          << "904L(UNS N08904)" << kNotFound;
}

void RecommendTest::answers() {
    QFETCH(Process, process);
    QFETCH(QString, slot1);
    QFETCH(QString, slot2);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(recommend(process, toStd(slot1), toStd(slot2))), expected);
    QCOMPARE(describe(recommend(process, toStd(slot2), toStd(slot1))), expected);
}

void RecommendTest::pairCountsPerProcess_data() {
    QTest::addColumn<Process>("process");
    QTest::addColumn<int>("answered");
    QTest::newRow("SMAW") << Process::Smaw << 221;
    QTest::newRow("MAG") << Process::Mag << 220;
    QTest::newRow("GTAW") << Process::Gtaw << 220;
    QTest::newRow("SAW") << Process::Saw << 215;
}

// Every unordered pair of two different materials is either answered or not found,
// and the number answered is the number the table states.
void RecommendTest::pairCountsPerProcess() {
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

void RecommendTest::slotOrderNeverMatters() {
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

void RecommendTest::eitherSlotAloneIsTheSame() {
    for (Process p : kProcesses) {
        for (const Material& m : kMaterials) {
            QVERIFY2(describe(recommend(p, m.designation, "")) ==
                         describe(recommend(p, "", m.designation)),
                     qPrintable(QString("%1: %2").arg(processName(p), toQString(m.designation))));
        }
    }
}

// Every material alone gets all three fields written, except the one SAW gap.
void RecommendTest::singleMaterialsAllAnswered() {
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

void RecommendTest::textsOutsideTheCatalogue_data() {
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
void RecommendTest::textsOutsideTheCatalogue() {
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

QTEST_GUILESS_MAIN(RecommendTest)
#include "recommend_test.moc"
