// The rule base's answers for chosen joints, process by process: the texts as the
// window shows them, spaces and dashes included, and the pairs no rule answers.

#include "recommend_support.h"
#include "text_support.h"

#include <QObject>
#include <QStringList>
#include <QTest>

using namespace velmora;

namespace {

const QStringList kNotFound{"<not found>"};
const QStringList kNoEntry{"<no entry>"};

} // namespace

class RecommendAnswersTest : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
};

void RecommendAnswersTest::answers_data() {
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

void RecommendAnswersTest::answers() {
    QFETCH(Process, process);
    QFETCH(QString, slot1);
    QFETCH(QString, slot2);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(recommend(process, toStd(slot1), toStd(slot2))), expected);
    QCOMPARE(describe(recommend(process, toStd(slot2), toStd(slot1))), expected);
}

QTEST_GUILESS_MAIN(RecommendAnswersTest)
#include "recommend_answers_test.moc"
