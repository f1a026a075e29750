#include "catalogue/catalogue.h"
#include "catalogue/material_names.h"
#include "catalogue/name_texts.h"
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
    void knownNames_data();
    void knownNames();
    void problemText_data();
    void problemText();
    void namesStartingSo_data();
    void namesStartingSo();
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
    QTest::newRow("today's name of a plate") << QByteArray("q345r") << "16MnR" << false << none;
    QTest::newRow("the start of a known name")
        << QByteArray("06Cr19") << "" << false << QStringList{"0Cr18Ni9(304)"};
    QTest::newRow("the start of a Chinese code")
        << QByteArray("S4100") << "" << false << QStringList{"0Cr13(405)", "1Cr13(410)"};
    QTest::newRow("a typo of a known name")
        << QByteArray("06Cr19Ni01") << "" << false << QStringList{"0Cr18Ni9(304)"};
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

// Each name of today's drawings, as typed in any of the ways a name is folded, reads
// as its row says, by way of that row: its material, or a refusal with what it may
// mean. A row whose name the catalogue already gives ("12CrMo") is read by the
// catalogue's names; one that a catalogue name or another row shadows fails here.
void MaterialNamesTest::knownNames_data() {
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < kKnownNames.size(); ++i) {
        const QString name = toQString(kKnownNames[i].name);
        QString wide; // as a Chinese input method types it
        for (QChar c : name) {
            wide += c > u' ' && c < QChar(0x7F) ? QChar(c.unicode() + 0xFEE0) : c;
        }
        const QList<std::pair<const char*, QString>> forms{
            {"as written", name},
            {"in lower case", name.toLower()},
            {"in upper case", name.toUpper()},
            {"full-width", wide},
            {"with spaces around", QString::fromUtf8("\xC2\xA0　") + name + u'\t'},
        };
        for (const auto& [form, text] : forms) {
            QTest::addRow("%s %s", qPrintable(name), form) << text.toUtf8() << int(i);
        }
    }
}

void MaterialNamesTest::knownNames() {
    QFETCH(QByteArray, typed);
    QFETCH(int, row);
    const KnownName& known = kKnownNames[std::size_t(row)];
    const NameLookup lookup =
        lookUpMaterialName(std::string_view(typed.constData(), std::size_t(typed.size())));
    QVERIFY(lookup.known == &known || (lookup.known == nullptr && lookup.material != nullptr));
    QCOMPARE(lookup.material ? toQString(lookup.material->designation) : QString(),
             toQString(known.designation));
    QCOMPARE(lookup.refused(), known.kind == NameKind::Refused);
    QStringList meant, offered;
    for (std::string_view m : known.couldMean) {
        if (!m.empty()) {
            meant << toQString(m);
        }
    }
    for (const Material* m : lookup.candidates) {
        offered << toQString(m->designation);
    }
    QCOMPARE(offered, meant);
    QCOMPARE(materialNamed(std::string_view(typed.constData(), std::size_t(typed.size()))),
             lookup.material);
}

void MaterialNamesTest::problemText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text"); // for a known name: what it reads as
    QTest::newRow("read as") << "06cr19ni10"
                             << "06Cr19Ni10 按 GB/T 20878-2007 即 0Cr18Ni9(304)";
    QTest::newRow("refused, with what it may mean")
        << "Q235"
        << "“Q235”不能作为目录中的材料：Q235 没有写质量等级，而目录中 Q235-A(F) 与 Q235-B,C "
           "的推荐焊材不同；请写 Q235A 或 Q235B。可能是：“Q235-A(F)”、“Q235-B,C”";
    QTest::newRow("refused, meaning nothing in the catalogue")
        << " q370r"
        << "“ q370r”不能作为目录中的材料：Q370R 不是 15MnVR 的替代牌号：15MnVR "
           "已废止，没有替代牌号";
    QTest::newRow("fits none") << "316x"
                               << "没有名为“316x”的材料，最接近的是：“0Cr17Ni12Mo2(316)”、"
                                  "“00Cr17Ni14Mo2(316L)”、“0Cr19Ni13Mo3(317)”";
}

void MaterialNamesTest::problemText() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    const std::string name = typed.toStdString();
    const NameLookup lookup = lookUpMaterialName(name);
    if (lookup.material != nullptr) {
        QVERIFY(lookup.known != nullptr);
        QCOMPARE(toQString(readAsText(*lookup.known)), text);
    } else {
        QCOMPARE(toQString(nameProblemText(name, lookup)), text);
    }
}

// The materials a name's start fits, as type-to-find and the page's search narrow to
// them: by a UNS number with or without its "UNS ", in any case and width.
void MaterialNamesTest::namesStartingSo_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("materials");
    const QStringList unsN0{"AL-6XN(UNS N08367)", "Inconel625(UNS N06625)",
                            "Incoloy800(UNS N08800)", "904L(UNS N08904)"};
    QTest::newRow("a UNS number's start") << "N089" << QStringList{"904L(UNS N08904)"};
    QTest::newRow("with UNS, lower case") << "uns n1" << QStringList{"C-276(UNS N10276)"};
    QTest::newRow("numbers of a family") << "n0" << unsN0;
    QTest::newRow("full-width") << "ＵＮＳ　Ｎ０" << unsN0;
}

void MaterialNamesTest::namesStartingSo() {
    QFETCH(QString, typed);
    QFETCH(QStringList, materials);
    QStringList fit;
    for (const Material& m : kMaterials) {
        if (nameStartsWith(m, typed.toStdString())) {
            fit << toQString(m.designation);
        }
    }
    QCOMPARE(fit, materials);
}

QTEST_GUILESS_MAIN(MaterialNamesTest)
#include "material_names_test.moc"
