#include "brand_pairings.h"

#include "text_support.h"

#include <QDebug>
#include <QObject>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <array>
#include <string>

using namespace velmora;
using velmora::testing::BrandPairings;

namespace {

// The brands that stand beside more than one classification in today's answers, and
// what they stand beside, in the order first met. docs/rule-questions.md explains each
// one: when this list changes, so must that page, with the answers a failure prints.
struct Disagreement {
    const char* brand;
    const char* besides;
};
constexpr std::array kDisagreements{
    Disagreement{"A002", "E308L-16 E316L-16"}, Disagreement{"A242", "E317-16 E317L-16"},
    Disagreement{"A302", "E309-16 E318V-16"},  Disagreement{"A402", "E310-16 E6016-B3"},
    Disagreement{"A407", "E310-15 E6015-B3"},  Disagreement{"H00Cr21Ni10", "ER308L E308L"},
    Disagreement{"J507", "E5015 E5015-G"},
};

const BrandPairings& pairings() {
    static const std::vector<AnswerRow> answers = everyAnswer();
    static const BrandPairings found(answers);
    return found;
}

std::string described(const BrandPairings::Brand& brand) {
    std::string out(brand.name);
    for (const BrandPairings::Beside& b : brand.besides) {
        out += "\n  " + std::string(b.classification) + ": " + BrandPairings::where(b.answers);
    }
    return out;
}

} // namespace

class BrandPairingsTest : public QObject {
    Q_OBJECT
private slots:
    void disagreeingBrand_data();
    void disagreeingBrand();
    void noOtherBrandDisagrees();
    void unevenAnswers();
};

void BrandPairingsTest::disagreeingBrand_data() {
    QTest::addColumn<QString>("brand");
    QTest::addColumn<QString>("besides");
    for (const Disagreement& d : kDisagreements) {
        QTest::newRow(d.brand) << QString(d.brand) << QString(d.besides);
    }
}

void BrandPairingsTest::disagreeingBrand() {
    QFETCH(QString, brand);
    QFETCH(QString, besides);
    const std::vector<BrandPairings::Brand> found = pairings().disagreeing();
    const auto it = std::find_if(found.begin(), found.end(), [&](const BrandPairings::Brand& b) {
        return b.name == brand.toStdString();
    });
    QVERIFY2(it != found.end(), "the brand now stands beside one classification only");
    QStringList classifications;
    for (const BrandPairings::Beside& b : it->besides) {
        classifications << toQString(b.classification);
    }
    if (classifications.join(' ') != besides) {
        qWarning().noquote() << toQString(described(*it));
    }
    QCOMPARE(classifications.join(' '), besides);
}

void BrandPairingsTest::noOtherBrandDisagrees() {
    QStringList others;
    for (const BrandPairings::Brand& b : pairings().disagreeing()) {
        const bool listed = std::any_of(kDisagreements.begin(), kDisagreements.end(),
                                        [&](const Disagreement& d) { return b.name == d.brand; });
        if (!listed) {
            qWarning().noquote() << toQString(described(b));
            others << toQString(b.name);
        }
    }
    QVERIFY2(others.isEmpty(), qPrintable("not listed: " + others.join(' ')));
}

// Classifications and brands whose numbers differ are not paired at all; the page
// names these answers.
void BrandPairingsTest::unevenAnswers() {
    QCOMPARE(QString::fromStdString(BrandPairings::where(pairings().uneven())),
             QString("SMAW 1: `0Cr17`."));
}

QTEST_GUILESS_MAIN(BrandPairingsTest)
#include "brand_pairings_test.moc"
