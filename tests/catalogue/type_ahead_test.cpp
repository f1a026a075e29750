#include "catalogue/catalogue.h"
#include "catalogue/type_ahead.h"

#include <QObject>
#include <QStringList>
#include <QTest>

#include <array>
#include <chrono>

using namespace velmora;
using namespace std::chrono_literals;

namespace {

// The materials in catalogue order, as the search runs through them.
const std::array<const Material*, kMaterialCount>& catalogueOrder() {
    static const auto order = [] {
        std::array<const Material*, kMaterialCount> o{};
        for (std::size_t i = 0; i < o.size(); ++i) {
            o[i] = &kMaterials[i];
        }
        return o;
    }();
    return order;
}

} // namespace

class TypeAheadTest : public QObject {
    Q_OBJECT
private slots:
    void findsByTyping_data();
    void findsByTyping();
};

// Keys a tenth of a second apart; "⌫" is Backspace, "…" puts the next key exactly one
// pause after the last, "‥" a millisecond sooner. Focus moves to each material found and
// stays where it is when none is.
void TypeAheadTest::findsByTyping_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("typed");
    const auto keys = [](const QString& s) { return s.split(QString(), Qt::SkipEmptyParts); };
    QTest::newRow("grade") << keys("316") << "0Cr17Ni12Mo2(316)"
                           << "316";
    QTest::newRow("longer grade, any case") << keys("316l") << "00Cr17Ni14Mo2(316L)"
                                            << "316l";
    QTest::newRow("designation") << keys("15c") << "15CrMo(G、R)"
                                 << "15c";
    QTest::newRow("UNS number without UNS") << keys("n08904") << "904L(UNS N08904)"
                                            << "n08904";
    QTest::newRow("UNS number with UNS") << keys("UNS N089") << "904L(UNS N08904)"
                                         << "UNS N089";
    QTest::newRow("full-width") << keys("３１６Ｌ") << "00Cr17Ni14Mo2(316L)"
                                << "３１６Ｌ";
    QTest::newRow("same letter again steps on") << keys("111") << "16MnR"
                                                << "111";
    QTest::newRow("same letter in either case") << keys("cC") << "C-276(UNS N10276)"
                                                << "cC";
    QTest::newRow("pause starts afresh") << keys("3…1") << "12CrMo(G)"
                                         << "1";
    QTest::newRow("a whole grade goes to its material from anywhere")
        << keys("304l…304") << "0Cr18Ni9(304)"
        << "304";
    QTest::newRow("backspace shortens") << keys("316⌫7") << "0Cr19Ni13Mo3(317)"
                                        << "317";
    QTest::newRow("backspace takes a whole full-width character")
        << keys("３１６⌫") << "0Cr17Ni12Mo2(316)"
        << "３１";
    QTest::newRow("a key just within the pause goes on") << keys("3‥1") << "0Cr17Ni12Mo2(316)"
                                                         << "31";
    QTest::newRow("backspace after a pause") << keys("3…⌫") << "35Mn"
                                             << "";
    QTest::newRow("nothing starts so") << keys("xyz") << ""
                                       << "xyz";
    QTest::newRow("a note is no grade") << keys("f") << ""
                                        << "f";
    QTest::newRow("wraps round") << keys("z…q") << "Q235-A(F)"
                                 << "q";
    QTest::newRow("the start of today's name") << keys("S3040") << "0Cr18Ni9(304)"
                                               << "S3040";
    QTest::newRow("today's whole name from anywhere") << keys("304l…q345r") << "16MnR"
                                                      << "q345r";
}

void TypeAheadTest::findsByTyping() {
    QFETCH(QStringList, keys);
    QFETCH(QString, focus);
    QFETCH(QString, typed);
    TypeAhead search(catalogueOrder());
    const Material* current = nullptr;
    std::chrono::milliseconds when = 5000ms;
    for (const QString& key : keys) {
        if (key == u"…" || key == u"‥") {
            when += TypeAhead::kPause - 100ms - (key == u"‥" ? 1ms : 0ms);
            continue;
        }
        when += 100ms;
        const Material* found = key == u"⌫" ? search.erase(when, current)
                                            : search.type(key.toStdString(), when, current);
        current = found != nullptr ? found : current;
    }
    QCOMPARE(current != nullptr ? QString::fromStdString(std::string(current->designation))
                                : QString(),
             focus);
    QCOMPARE(QString::fromStdString(search.typed()), typed);
}

QTEST_GUILESS_MAIN(TypeAheadTest)
#include "type_ahead_test.moc"
