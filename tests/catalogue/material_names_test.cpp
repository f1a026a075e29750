#include "catalogue/catalogue.h"
#include "catalogue/material_names.h"
#include "text_support.h"

#include <QObject>
#include <QStringList>
#include <QTest>

#include <string>

using namespace velmora;

class MaterialNamesTest : public QObject {
    Q_OBJECT
private slots:
    void lookUp_data();
    void lookUp();
};

void MaterialNamesTest::lookUp_data() {
    QTest::addColumn<QByteArray>("typed"); // bytes, so that invalid UTF-8 can be given
    QTest::addColumn<QString>("found");    // empty: none
    QTest::addColumn<bool>("ambiguous");
    // The first candidates, in order; empty: any three.
    QTest::addColumn<QStringList>("candidates");

    const QStringList none;
    QTest::newRow("designation") << QByteArray("16MnR") << "16MnR" << false << none;
    QTest::newRow("designation in other case")
        << QByteArray("00cr17ni14mo2(316l)") << "00Cr17Ni14Mo2(316L)" << false << none;
    QTest::newRow("CJK designation in other case")
        << QByteArray("15crmo(g、r)") << "15CrMo(G、R)" << false << none;
    QTest::newRow("grade") << QByteArray("316L") << "00Cr17Ni14Mo2(316L)" << false << none;
    QTest::newRow("grade is not a prefix of another")
        << QByteArray("316") << "0Cr17Ni12Mo2(316)" << false << none;
    QTest::newRow("grade 304") << QByteArray("304") << "0Cr18Ni9(304)" << false << none;
    QTest::newRow("grade in other case")
        << QByteArray("321htb") << "1Cr18Ni9Ti(321HTB)" << false << none;
    QTest::newRow("UNS number with UNS")
        << QByteArray("UNS N08367") << "AL-6XN(UNS N08367)" << false << none;
    QTest::newRow("UNS number alone")
        << QByteArray("n08367") << "AL-6XN(UNS N08367)" << false << none;
    QTest::newRow("grade Q345") << QByteArray("q345") << "16Mn(Q345)" << false << none;
    // Bracketed notes are no grades: they are offered, never taken.
    QTest::newRow("note F") << QByteArray("f") << "" << false
                            << QStringList{"Q235-A(F)", "10#,20#(管)", "12CrMo(G)"};
    QTest::newRow("note 管") << QByteArray("管") << "" << false
                             << QStringList{"10#,20#(管)", "Q235-A(F)", "12CrMo(G)"};
    QTest::newRow("note G of two materials")
        << QByteArray("G") << "" << false << QStringList{"12CrMo(G)", "12Cr1MoV(G)", "Q235-A(F)"};
    QTest::newRow("note - of six materials")
        << QByteArray("-") << "" << false
        << QStringList{"0Cr18Ni12Mo2Ti(-)", "0Cr18Ni12TiV(-)", "1Cr23Ni13(-)"};
    // As people write designations, without the brackets: only where one material
    // has the shorter name.
    for (const char* bare : {"0Cr18Ni9", "16Mn", "904L", "Inconel625", "c-276", "AL-6XN",
                             "1Cr23Ni13", "12Cr1MoV", "Q235-A"}) {
        const QString name = QString::fromUtf8(bare);
        QString meant;
        for (const Material& m : kMaterials) {
            if (toQString(m.designation).startsWith(name + '(', Qt::CaseInsensitive)) {
                meant = toQString(m.designation);
            }
        }
        QTest::addRow("without brackets: %s", bare) << name.toUtf8() << meant << false << none;
    }
    QTest::newRow("spaces around, ideographic too") << QByteArray(" \xE3\x80\x80"
                                                                  "0Cr18Ni9(304) ")
                                                    << "0Cr18Ni9(304)" << false << none;
    QTest::newRow("no-break space after, as from a spreadsheet")
        << QByteArray("316L\xC2\xA0") << "00Cr17Ni14Mo2(316L)" << false << none;
    QTest::newRow("no alias the catalogue does not print")
        << QByteArray("Q345R") << "" << false << QStringList{"16Mn(Q345)"};
    QTest::newRow("a start of a name comes before anything close")
        << QByteArray("incon") << "" << false << QStringList{"Inconel625(UNS N06625)"};
    QTest::newRow("starts of names before closer texts")
        << QByteArray("16m") << "" << false << QStringList{"16Mn(Q345)", "16MnR"};
    QTest::newRow("misspelt in lower case")
        << QByteArray("q235bc") << "" << false << QStringList{"Q235-B,C"};
    QTest::newRow("full-width grade")
        << QByteArray("３１６Ｌ") << "00Cr17Ni14Mo2(316L)" << false << none;
    QTest::newRow("full-width letters, hyphen and comma")
        << QByteArray("Ｑ２３５－ｂ，ｃ") << "Q235-B,C" << false << none;
    QTest::newRow("full-width brackets")
        << QByteArray("16Mn（Q345）") << "16Mn(Q345)" << false << none;
    QTest::newRow("ideographic space")
        << QByteArray("UNS　N08367") << "AL-6XN(UNS N08367)" << false << none;
    QTest::newRow("full-width typo")
        << QByteArray("３１６ｘ") << "" << false
        << QStringList{"0Cr17Ni12Mo2(316)", "00Cr17Ni14Mo2(316L)", "0Cr19Ni13Mo3(317)"};
    QTest::newRow("group key is no name") << QByteArray("tsg1") << "" << false << none;
    QTest::newRow("typo: nearest first, ties in catalogue order")
        << QByteArray("316x") << "" << false
        << QStringList{"0Cr17Ni12Mo2(316)", "00Cr17Ni14Mo2(316L)", "0Cr19Ni13Mo3(317)"};
    QTest::newRow("ASCII comma for the ideographic one")
        << QByteArray("15CrMo(G,R)") << "" << false
        << QStringList{"15CrMo(G、R)", "12CrMo(G)", "12Cr1MoV(G)"};
    QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe(\xc3") << "" << false << none;
    QTest::newRow("truncated UTF-8 after a grade")
        << QByteArray("316L\xe7\xae") << "" << false
        << QStringList{"00Cr17Ni14Mo2(316L)", "0Cr17Ni12Mo2(316)", "00Cr19Ni13Mo3(317L)"};
    QTest::newRow("very long") << QByteArray(200000, 'x') << "" << false << none;
}

void MaterialNamesTest::lookUp() {
    QFETCH(QByteArray, typed);
    QFETCH(QString, found);
    QFETCH(bool, ambiguous);
    QFETCH(QStringList, candidates);

    const NameLookup lookup =
        lookUpMaterialName(std::string_view(typed.constData(), std::size_t(typed.size())));
    QCOMPARE(lookup.material ? toQString(lookup.material->designation) : QString(), found);
    QCOMPARE(lookup.ambiguous, ambiguous);
    QStringList seen;
    for (const Material* m : lookup.candidates) {
        seen << toQString(m->designation);
    }
    if (!found.isEmpty()) {
        QCOMPARE(seen, QStringList());
    } else if (!ambiguous) {
        QCOMPARE(seen.size(), 3);
    }
    QCOMPARE(seen.mid(0, candidates.size()), candidates);
}

QTEST_GUILESS_MAIN(MaterialNamesTest)
#include "material_names_test.moc"
