#include "joints/joint_list.h"
#include "text_support.h"

#include <QObject>
#include <QStringList>
#include <QTest>

using namespace velmora;

class JointListTest : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void choosesColumns_data();
    void choosesColumns();
};

// A joint as "line: material 1 | material 2 | carried cells…", a row that names no
// material as "line: - | carried cells…"; a fault as "line: reason".
void JointListTest::read_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("columns"); // as --columns takes them; empty: not given
    QTest::addColumn<QStringList>("carried");
    QTest::addColumn<QStringList>("joints");
    // Each the start of a fault's reason, or its start and end apart with "…".
    QTest::addColumn<QStringList>("faults");

    const QStringList none;
    QTest::newRow("joint number and note by the header")
        << "焊缝编号,母材1,母材2,备注\nW-001,16MnR,0Cr18Ni9(304),储罐接管\n"
        << "" << QStringList{"焊缝编号", "备注"}
        << QStringList{"2: 16MnR | 0Cr18Ni9(304) | W-001 | 储罐接管"} << none;
    QTest::newRow("English header in capitals, tabs")
        << "Joint\tMATERIAL 1\tMaterial 2\nJ1\t16MnR\t20g\n"
        << "" << QStringList{"Joint"} << QStringList{"2: 16MnR | 20g | J1"} << none;
    QTest::newRow("one material column, full-width heading")
        << "编号,材料\nA,316L\n"
        << "" << QStringList{"编号"} << QStringList{"2: 00Cr17Ni14Mo2(316L) |  | A"} << none;
    QTest::newRow("headings with spaces around them")
        << "编号,\u3000母材1 , 母材2\nW1,16MnR,20g\n"
        << "" << QStringList{"编号"} << QStringList{"2: 16MnR | 20g | W1"} << none;
    QTest::newRow("numbered headings of two digits")
        << "编号,Material 01,Material 02\nW1,16MnR,20g\n"
        << "" << QStringList{"编号"} << QStringList{"2: 16MnR | 20g | W1"} << none;
    QTest::newRow("tabs after a blank first line")
        << " \n16MnR\t20g\n"
        << "" << none << QStringList{"2: 16MnR | 20g"} << none;
    QTest::newRow("a header naming no column, in capitals")
        << "MATERIALS USED\n16MnR,20g\n"
        << "" << none << QStringList{"2: 16MnR | 20g"} << none;
    QTest::newRow("the last line without its line end")
        << "16MnR,20g\r\n40Cr"
        << "" << none << QStringList{"1: 16MnR | 20g", "2: 40Cr | "} << none;
    QTest::newRow("columns by number, no header")
        << "W-1,16MnR,20g,x\nW-2,40Cr,,y\n"
        << "2,3" << QStringList{"", ""}
        << QStringList{"1: 16MnR | 20g | W-1 | x", "2: 40Cr |  | W-2 | y"} << none;
    QTest::newRow("columns by number under a header")
        << "编号,甲,乙\n1,16MnR,20g\n"
        << "2,3" << QStringList{"编号"} << QStringList{"2: 16MnR | 20g | 1"} << none;
    QTest::newRow("columns by heading")
        << "编号,A侧,B侧\n1,16MnR,20g\n"
        << "a侧，b侧" << QStringList{"编号"} << QStringList{"2: 16MnR | 20g | 1"} << none;
    QTest::newRow("heading asked for is missing")
        << "编号,A侧,B侧\n1,16MnR,20g\n"
        << "母材1" << none << none << QStringList{"1: 表头中没有“母材1”"};
    QTest::newRow("material cells empty: the row keeps its place, an empty one does not")
        << "编号,母材1,母材2,备注\nW-1,,,待定\n,,,\nW-2,16MnR,,\n"
        << "" << QStringList{"编号", "备注"}
        << QStringList{"2: - | W-1 | 待定", "4: 16MnR |  | W-2 | "} << none;
    QTest::newRow("quoted cells with line breaks, quotes and commas")
        << "编号,母材,备注\r\nW-1,16MnR,\"第一行\r\n第二行, \"\"引\"\"\"\r\nW-2,20g,x\r\n"
        << "" << QStringList{"编号", "备注"}
        << QStringList{"2: 16MnR |  | W-1 | 第一行\n第二行, \"引\"", "4: 20g |  | W-2 | x"} << none;
    QTest::newRow("tab-separated as Excel copies it: quoted cells whole")
        << "编号\t母材\t备注\nW-1\t\"16MnR\"\t\"第一行\n第二行\"\nW-2\t20g\t\"a\"\"b\"\n"
        << "" << QStringList{"编号", "备注"}
        << QStringList{"2: 16MnR |  | W-1 | 第一行\n第二行", "4: 20g |  | W-2 | a\"b"} << none;
    QTest::newRow("title rows above the header are passed over")
        << "XX 项目焊缝清单,,\n2026-12-10,,\n焊缝编号,母材1,母材2\nW-1,16MnR,20g\n"
        << "" << QStringList{"焊缝编号"} << QStringList{"4: 16MnR | 20g | W-1"} << none;
    QTest::newRow("title row above headings asked for")
        << "XX 项目焊缝清单\n编号,A侧,B侧\n1,16MnR,20g\n"
        << "A侧,B侧" << QStringList{"编号"} << QStringList{"3: 16MnR | 20g | 1"} << none;
    QTest::newRow("a dissimilar joint as drawings write it")
        << "16MnR+0Cr18Ni9\n16MnR / 304\n16mnr＋20g\nQ345R，S30408\n"
        << "" << none
        << QStringList{"1: 16MnR | 0Cr18Ni9(304)", "2: 16MnR | 0Cr18Ni9(304)", "3: 16MnR | 20g",
                       "4: 16MnR | 0Cr18Ni9(304)"}
        << none;
    QTest::newRow("a refusal names its cell and how to mend it")
        << "编号,母材\nW-1,16MnR 304\n"
        << "" << QStringList{"编号"} << none
        << QStringList{"2: 第 2 格“16MnR 304”：没有名为“16MnR 304”的材料…；两种材料请用“，”或“+”"
                       "隔开，如“16MnR，304”"};
    QTest::newRow("a material with itself")
        << "16MnR,16mnr\n"
        << "" << none << QStringList{"1: 16MnR | 16MnR"} << none;
    QTest::newRow("designations without their brackets")
        << "0Cr18Ni9,16Mn\nC-276, Q235-A \n"
        << "" << none
        << QStringList{"1: 0Cr18Ni9(304) | 16Mn(Q345)", "2: C-276(UNS N10276) | Q235-A(F)"} << none;
    QTest::newRow("full-width comma between two names")
        << "16MnR，304\nQ235-B，C\n15CrMo(G、R)、20g\n"
        << "" << none
        << QStringList{"1: 16MnR | 0Cr18Ni9(304)", "2: Q235-B,C | ", "3: 15CrMo(G、R) | 20g"}
        << none;
    QTest::newRow("quotes: a space before one, doubled ones inside")
        << "编号,母材1,母材2\n\"W \"\"1\"\"\", \"Q235-B,C\",16MnR\n"
        << "" << QStringList{"编号"} << QStringList{"2: Q235-B,C | 16MnR | W \"1\""} << none;
    QTest::newRow("too many names: the cells read are named")
        << "W-001,16MnR,0Cr18Ni9(304),储罐接管\n"
        << "" << none << none
        << QStringList{"1: 最多两种材料，这一行读到第 1 格“W-001”、第 2 格“16MnR”、"
                       "第 3 格“0Cr18Ni9(304)”、第 4 格“储罐接管”；别的列请加表头"};
    QTest::newRow("a header again after the first line is no header")
        << "母材1,母材2\n16MnR,20g\n母材1,母材2\n"
        << "" << none << QStringList{"2: 16MnR | 20g"}
        << QStringList{"3: 第 1 格“母材1”：没有名为“母材1”的材料"};
    QTest::newRow("three material headings")
        << "母材1,母材2,母材3\n16MnR,20g,40Cr\n"
        << "" << none << none << QStringList{"1: 表头有 3 列像是材料"};
    QTest::newRow("unknown name and open quote, each said")
        << "316x\n\"16MnR\n20g\n"
        << "" << none << none
        << QStringList{"1: 第 1 格“316x”：没有名为“316x”的材料", "2: 引号没有闭合"};
}

void JointListTest::read() {
    QFETCH(QString, text);
    QFETCH(QString, columns);
    QFETCH(QStringList, carried);
    QFETCH(QStringList, joints);
    QFETCH(QStringList, faults);

    const auto choice = columns.isEmpty() ? ColumnChoice{} : columnChoice(toStd(columns));
    QVERIFY(choice);
    const JointList list = readJointList(toStd(text), *choice);
    QStringList headings;
    for (const JointList::Column& column : list.carried) {
        headings << toQString(column.heading);
    }
    QCOMPARE(headings, carried);
    QStringList read;
    for (const JointList::Entry& entry : list.entries) {
        QCOMPARE(entry.carried.size(), list.carried.size());
        const QStringList cells = (entry.joint ? QStringList{toQString(entry.joint->material1),
                                                             toQString(entry.joint->material2)}
                                               : QStringList{"-"}) +
                                  toQStringList(entry.carried);
        read << QStringLiteral("%1: %2").arg(entry.line).arg(cells.join(" | "));
    }
    QCOMPARE(read, joints);
    QCOMPARE(list.faults.size(), std::size_t(faults.size()));
    for (std::size_t i = 0; i < list.faults.size(); ++i) {
        const QString said =
            QStringLiteral("%1: %2").arg(list.faults[i].line).arg(toQString(list.faults[i].reason));
        const QString wanted = faults[qsizetype(i)];
        QVERIFY2(said.startsWith(wanted.section("…", 0, 0)) &&
                     said.endsWith(wanted.section("…", 1)),
                 qPrintable(said));
    }
}

void JointListTest::choosesColumns_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("two numbers") << "2,3" << true;
    QTest::newRow("one heading") << "母材" << true;
    QTest::newRow("three") << "1,2,3" << false;
    QTest::newRow("zero") << "0,1" << false;
    QTest::newRow("the same twice") << "2, 2" << false;
    QTest::newRow("number and heading") << "2,母材2" << false;
    QTest::newRow("one heading twice in other letter case") << "Material,MATERIAL" << false;
    QTest::newRow("a full-width comma") << "母材1，母材2" << true;
    QTest::newRow("empty part") << "2," << false;
}

void JointListTest::choosesColumns() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(columnChoice(toStd(text)).has_value(), valid);
}

QTEST_GUILESS_MAIN(JointListTest)
#include "joint_list_test.moc"
