#include "catalogue/catalogue.h"
#include "recommend/rule_table.h"
#include "recommend/tables/gtaw.h"
#include "recommend/tables/mag.h"
#include "recommend/tables/saw.h"
#include "recommend/tables/smaw.h"

#include <QObject>
#include <QTest>

using namespace velmora;
using namespace velmora::tables;

namespace {

static_assert(kSmawSingles.size() == 41 && kSmawPairs.size() == 24);
static_assert(kMagSingles.size() == 41 && kMagPairs.size() == 8);
static_assert(kGtawSingles.size() == 41 && kGtawPairs.size() == 14);
static_assert(kSawSingles.size() == 40 && kSawPairs.size() == 6);

const RuleTable& tableNamed(const QString& name) {
    if (name == "SMAW") {
        return kSmaw;
    }
    if (name == "MAG") {
        return kMag;
    }
    return name == "GTAW" ? kGtaw : kSaw;
}

// Small tables, each with one fault the checks the tables assert must catch, or a
// near miss they must let through.
constexpr Recommendation kTexts{"a", "b", "c"};
constexpr std::array<SingleEntry, 1> kOnlyEmpty{{{"", kTexts}}};
constexpr std::array<SingleEntry, 2> kTwice{{{"20g", kTexts}, {"20g", kTexts}}};
constexpr std::array<SingleEntry, 1> kMisspelt{{{"20G", kTexts}}};
constexpr std::array<SingleEntry, 1> kHiddenByGroupKey{{{"16MnR", kTexts}}};
constexpr std::array<SingleEntry, 2> kGroupKeys{{{"tsg1", kTexts}, {"dhjg1", kTexts}}};

constexpr std::array<PairRule, 1> kSelfPair{
    {{kTexts, {cross(MaterialSet{"20g", "35Mn"}, MaterialSet{"35Mn"})}}}};
constexpr std::array<PairRule, 2> kCrossesMeetSwapped{
    {{kTexts, {cross(kGroupI, k16Mn)}},
     {kTexts, {cross(MaterialSet{"16MnR"}, MaterialSet{"20g"})}}}};
constexpr std::array<PairRule, 1> kAnyTwoMeetsCross{
    {{kTexts, {anyTwoOf(kGroupII), cross(MaterialSet{"16MnR"}, MaterialSet{"35Mn", "20MnMo"})}}}};
constexpr std::array<PairRule, 2> kAnyTwosShareTwo{
    {{kTexts, {anyTwoOf(kGroupI)}}, {kTexts, {anyTwoOf(MaterialSet{"20g", "Q235-B,C", "35Mn"})}}}};
constexpr std::array<PairRule, 2> kAnyTwosShareOne{
    {{kTexts, {anyTwoOf(MaterialSet{"20g", "35Mn"})}},
     {kTexts, {anyTwoOf(MaterialSet{"20g", "40Cr"})}}}};
constexpr std::array<PairRule, 1> kCrossesShareOneSide{
    {{kTexts, {cross(kGroupI, MaterialSet{"35Mn"}), cross(kGroupI, MaterialSet{"40Cr"})}}}};
constexpr std::array<PairRule, 1> kAnyTwoTouchesOneSide{
    {{kTexts,
      {anyTwoOf(MaterialSet{"16MnR", "15MnVR"}),
       cross(MaterialSet{"16MnR"}, MaterialSet{"40Cr"})}}}};

using TableCheck = bool (*)(const RuleTable&) noexcept;
struct CheckCase {
    const char* name;
    TableCheck check;
    RuleTable table;
    bool passes;
};

const std::array kCheckCases{
    CheckCase{"cross pairs a material with itself",
              checks::crossSidesAreDisjoint,
              {kOnlyEmpty, kSelfPair},
              false},
    CheckCase{"two crosses meet with sides swapped",
              checks::noPairNamedTwice,
              {kOnlyEmpty, kCrossesMeetSwapped},
              false},
    CheckCase{"any-two meets a cross in one rule",
              checks::noPairNamedTwice,
              {kOnlyEmpty, kAnyTwoMeetsCross},
              false},
    CheckCase{"two any-twos share two materials",
              checks::noPairNamedTwice,
              {kOnlyEmpty, kAnyTwosShareTwo},
              false},
    CheckCase{"two any-twos share one material",
              checks::noPairNamedTwice,
              {kOnlyEmpty, kAnyTwosShareOne},
              true},
    CheckCase{"two crosses share one side",
              checks::noPairNamedTwice,
              {kOnlyEmpty, kCrossesShareOneSide},
              true},
    CheckCase{"any-two touches one side of a cross",
              checks::noPairNamedTwice,
              {kOnlyEmpty, kAnyTwoTouchesOneSide},
              true},
    CheckCase{"entry key twice", checks::singleKeysAreSound, {kTwice, {}}, false},
    CheckCase{"entry key misspelt", checks::singleKeysAreSound, {kMisspelt, {}}, false},
    CheckCase{"entry key hidden by a group key",
              checks::singleKeysAreSound,
              {kHiddenByGroupKey, {}},
              false},
    CheckCase{"group keys and the empty text", checks::singleKeysAreSound, {kGroupKeys, {}}, true},
    CheckCase{"materials missing",
              checks::everyMaterialOccurs,
              {kOnlyEmpty, kCrossesShareOneSide},
              false},
};

} // namespace

class RuleTablesTest : public QObject {
    Q_OBJECT
private slots:
    void pairsPerRow_data();
    void pairsPerRow();
    void tableChecks_data();
    void tableChecks();
};

// The number of pairs each row of each table answers, as the tables state them:
// a material missing from a set, or one too many, changes the count of its row.
void RuleTablesTest::pairsPerRow_data() {
    QTest::addColumn<QString>("process");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("pairs");
    const QList<std::pair<QString, QList<int>>> stated{
        {"SMAW", {8, 12, 6, 6, 4, 4, 4, 8, 4, 24, 16, 4, 4, 28, 4, 8, 22, 22, 16, 8, 2, 2, 1, 4}},
        {"MAG", {24, 6, 148, 4, 8, 12, 16, 2}},
        {"GTAW", {16, 6, 74, 4, 4, 40, 4, 22, 22, 11, 2, 2, 8, 5}},
        {"SAW", {6, 16, 4, 4, 4, 181}},
    };
    for (const auto& [process, counts] : stated) {
        QCOMPARE(qsizetype(tableNamed(process).pairs.size()), counts.size());
        for (int row = 1; row <= counts.size(); ++row) {
            QTest::addRow("%s row %d", qPrintable(process), row)
                << process << row << counts[row - 1];
        }
    }
}

void RuleTablesTest::pairsPerRow() {
    QFETCH(QString, process);
    QFETCH(int, row);
    QFETCH(int, pairs);
    const PairRule& rule = tableNamed(process).pairs[std::size_t(row - 1)];
    QCOMPARE(rule.pairCount(), pairs);
    int counted = 0;
    for (const Material& a : kMaterials) {
        for (const Material& b : kMaterials) {
            counted += a.index < b.index && rule.covers(a.index, b.index) ? 1 : 0;
        }
    }
    QCOMPARE(counted, pairs);
}

void RuleTablesTest::tableChecks_data() {
    QTest::addColumn<int>("which");
    for (std::size_t i = 0; i < kCheckCases.size(); ++i) {
        QTest::newRow(kCheckCases[i].name) << int(i);
    }
}

void RuleTablesTest::tableChecks() {
    QFETCH(int, which);
    const CheckCase& c = kCheckCases[std::size_t(which)];
    QCOMPARE(c.check(c.table), c.passes);
}

QTEST_GUILESS_MAIN(RuleTablesTest)
#include "rule_tables_test.moc"
