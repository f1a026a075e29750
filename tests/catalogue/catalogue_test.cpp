#include "catalogue/catalogue.h"
#include "text_support.h"

#include <QObject>
#include <QString>
#include <QTest>

using namespace velmora;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void findByDesignation_data();
    void findByDesignation();
    void findByIndex_data();
    void findByIndex();
    void groupCaptionsAreSingleCharactersOrTwoLetters();
    void grade904LIsLastAndInNoFrame();
    void designationLengths();
};

void CatalogueTest::findByDesignation_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index"); // 0: nothing found

    QTest::newRow("first") << "Q235-A(F)" << 1;
    QTest::newRow("ASCII comma in the name") << "Q235-B,C" << 2;
    QTest::newRow("CJK character") << "10#,20#(管)" << 3;
    QTest::newRow("ideographic comma") << "15CrMo(G、R)" << 13;
    QTest::newRow("shortest") << "20g" << 4;
    QTest::newRow("last") << "904L(UNS N08904)" << 43;
    QTest::newRow("15CrMo with ASCII comma") << "15CrMo(G,R)" << 0;
    QTest::newRow("Q235-B,C with full-width comma") << "Q235-B，C" << 0;
    QTest::newRow("lower case") << "16mnr" << 0;
    QTest::newRow("trailing space") << "16MnR " << 0;
    QTest::newRow("leading space") << " 16MnR" << 0;
    QTest::newRow("bare grade of 904L") << "904L" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("group key") << "tsg1" << 0;
}

void CatalogueTest::findByDesignation() {
    QFETCH(QString, text);
    QFETCH(int, index);
    const Material* m = findMaterial(toStd(text));
    QCOMPARE(m ? m->index : 0, index);
    if (m) {
        QCOMPARE(toQString(m->designation), text);
    }
}

void CatalogueTest::findByIndex_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("designation"); // empty: nothing found
    QTest::newRow("0") << 0 << "";
    QTest::newRow("1") << 1 << "Q235-A(F)";
    QTest::newRow("11") << 11 << "40Cr";
    QTest::newRow("13") << 13 << "15CrMo(G、R)";
    QTest::newRow("43") << 43 << "904L(UNS N08904)";
    QTest::newRow("44") << 44 << "";
    QTest::newRow("-1") << -1 << "";
}

void CatalogueTest::findByIndex() {
    QFETCH(int, index);
    QFETCH(QString, designation);
    const Material* m = findMaterial(index);
    QCOMPARE(m ? toQString(m->designation) : QString(), designation);
    if (m) {
        QCOMPARE(m->index, index);
        QCOMPARE(findMaterial(m->designation), m);
    }
}

void CatalogueTest::groupCaptionsAreSingleCharactersOrTwoLetters() {
    QCOMPARE(toQString(group(GroupId::I).caption).at(0).unicode(), u'I');
    for (std::size_t g = 1; g < 12; ++g) {
        const QString caption = toQString(kGroups[g].caption);
        QCOMPARE(caption.size(), 1);
        QCOMPARE(caption.at(0).unicode(), char16_t(0x2160 + g)); // Ⅱ U+2161 … Ⅻ U+216B
    }
    QCOMPARE(group(GroupId::TG).caption, "TG");
    QCOMPARE(group(GroupId::ZG).caption, "ZG");
}

void CatalogueTest::grade904LIsLastAndInNoFrame() {
    const Material& last = kMaterials.back();
    QCOMPARE(last.designation, "904L(UNS N08904)");
    QCOMPARE(last.group, GroupId::TG);
    QCOMPARE(last.row, 6);
    const auto tg = members(group(GroupId::TG));
    QCOMPARE(tg.size(), std::size_t(5));
    QCOMPARE(tg.back().designation, "C-276(UNS N10276)");
    QCOMPARE(kMaterials[41].designation, "ZG40Cr28Ni16(-)");
    // Every material listed once, in its group, in catalogue order but for 904L, which
    // the groups list last in "TG".
    QStringList listed;
    for (const MaterialGroup& g : kGroups) {
        for (const Material* m : listedIn(g)) {
            QCOMPARE(m->group, g.id);
            listed << toQString(m->designation);
        }
    }
    QCOMPARE(listed.size(), qsizetype(kMaterialCount));
    QCOMPARE(listed.indexOf("904L(UNS N08904)"), listed.indexOf("C-276(UNS N10276)") + 1);
    listed.move(listed.indexOf("904L(UNS N08904)"), listed.size() - 1);
    for (qsizetype i = 0; i < listed.size(); ++i) {
        QCOMPARE(listed[i], toQString(kMaterials[std::size_t(i)].designation));
    }
}

void CatalogueTest::designationLengths() {
    int longest = 0;
    QStringList longestNames;
    int shortest = 100;
    for (const Material& m : kMaterials) {
        const auto length = int(toQString(m.designation).size());
        QVERIFY2(length >= 3 && length <= 22, m.designation.data());
        if (length > longest) {
            longest = length;
            longestNames.clear();
        }
        if (length == longest) {
            longestNames << toQString(m.designation);
        }
        shortest = std::min(shortest, length);
    }
    QCOMPARE(longest, 22);
    QCOMPARE(longestNames, QStringList({"Inconel625(UNS N06625)", "Incoloy800(UNS N08800)"}));
    QCOMPARE(shortest, 3);
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "catalogue_test.moc"
