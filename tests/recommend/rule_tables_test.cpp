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

// What the compiler can check about the tables' shape.
namespace {

constexpr bool crossSidesAreDisjoint(const RuleTable& t) {
    for (const PairRule& rule : t.pairs) {
        for (const PairBlock& block : rule.blocks) {
            if (!block.anyTwo && !block.left.disjoint(block.right)) {
                return false;
            }
        }
    }
    return true;
}

// No pair is named twice, within a rule or across rules: the stated row counts add
// up to the number of distinct pairs covered.
constexpr bool noPairNamedTwice(const RuleTable& t) {
    int stated = 0;
    for (const PairRule& rule : t.pairs) {
        stated += rule.pairCount();
    }
    int distinct = 0;
    for (const Material& a : kMaterials) {
        for (const Material& b : kMaterials) {
            if (a.index < b.index) {
                for (const PairRule& rule : t.pairs) {
                    if (rule.covers(a.index, b.index)) {
                        ++distinct;
                        break;
                    }
                }
            }
        }
    }
    return stated == distinct;
}

constexpr bool singleKeysAreUnique(const RuleTable& t) {
    for (std::size_t i = 0; i < t.singles.size(); ++i) {
        for (std::size_t j = i + 1; j < t.singles.size(); ++j) {
            if (t.singles[i].key == t.singles[j].key) {
                return false;
            }
        }
    }
    return true;
}

// Every designation occurs in the table, as an entry key or in a pair rule.
constexpr bool everyMaterialOccurs(const RuleTable& t) {
    for (const Material& m : kMaterials) {
        bool found = false;
        for (const SingleEntry& e : t.singles) {
            found = found || e.key == m.designation;
        }
        for (const PairRule& rule : t.pairs) {
            for (const PairBlock& block : rule.blocks) {
                found = found || block.left.contains(m.index) || block.right.contains(m.index);
            }
        }
        if (!found) {
            return false;
        }
    }
    return true;
}

#define VELMORA_CHECK_TABLE(t)                                                                     \
    static_assert(crossSidesAreDisjoint(t));                                                       \
    static_assert(noPairNamedTwice(t));                                                            \
    static_assert(singleKeysAreUnique(t));                                                         \
    static_assert(everyMaterialOccurs(t))

VELMORA_CHECK_TABLE(kSmaw);
VELMORA_CHECK_TABLE(kMag);
VELMORA_CHECK_TABLE(kGtaw);
VELMORA_CHECK_TABLE(kSaw);

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

} // namespace

class RuleTablesTest : public QObject {
    Q_OBJECT
private slots:
    void pairsPerRow_data();
    void pairsPerRow();
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

QTEST_GUILESS_MAIN(RuleTablesTest)
#include "rule_tables_test.moc"
