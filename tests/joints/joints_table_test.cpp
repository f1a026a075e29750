#include "joints/general_number.h"
#include "joints/joints_table.h"
#include "presentation/answer_table.h"
#include "presentation/notices.h"
#include "text_support.h"

#include <QObject>
#include <QTest>

#include <map>
#include <string>

using namespace velmora;

class JointsTableTest : public QObject {
    Q_OBJECT
private slots:
    void aRowPerJointHoldsEveryAnswer();
    void csvAndTabsAsSpreadsheetsReadThem_data();
    void csvAndTabsAsSpreadsheetsReadThem();
    void numbersAsExcelShowsThem_data();
    void numbersAsExcelShowsThem();
    void aListLaidOut_data();
    void aListLaidOut();
};

// Every joint of the table laid out a row per joint: each field under its process's
// heading holds the answer text less the heading's label (or the whole text where the
// text has another label), the first field says why where there is no answer, and
// the labels are those of most of their column's texts.
void JointsTableTest::aRowPerJointHoldsEveryAnswer() {
    const std::vector<AnswerRow> table = everyAnswer();
    // The table lists process by process; a row per joint wants joint by joint.
    const std::size_t joints = table.size() / kProcessCount;
    std::vector<AnswerRow> rows;
    JointList list;
    list.carried = {{1, "焊缝编号"}};
    for (std::size_t j = 0; j < joints; ++j) {
        for (std::size_t p = 0; p < kProcessCount; ++p) {
            rows.push_back(table[p * joints + j]);
        }
        if (!table[j].material1.empty()) {
            list.entries.push_back(
                {int(j), Joint{table[j].material1, table[j].material2, {}}, {""}});
        } else {
            list.entries.push_back({int(j), std::nullopt, {""}});
        }
    }
    std::vector<Process> processes;
    for (const ProcessName& name : kProcessNames) {
        processes.push_back(name.process);
    }
    const JointsTable laid = jointsTable(list, processes);
    QCOMPARE(laid.rows.size(), joints);
    const QStringList heading = toQStringList(laid.header);
    QCOMPARE(heading.mid(0, 5),
             (QStringList{"焊缝编号", "材料1", "材料2", "焊条电弧焊(SMAW) 焊条型号",
                          "焊条电弧焊(SMAW) 焊条牌号"}));
    QCOMPARE(heading.size(), 3 + 3 * qsizetype(kProcessCount));

    std::map<std::pair<std::size_t, std::size_t>, int> unlabelled; // (process, field)
    for (std::size_t j = 0; j < joints; ++j) {
        const QStringList cells = toQStringList(laid.rows[j]);
        if (j == 0) { // the joint of no material: unfilled
            QCOMPARE(cells.mid(3, 3), (QStringList{toQString(kUnfilledText), "", ""}));
            continue;
        }
        QCOMPARE(cells.mid(0, 3), (QStringList{"", toQString(rows[j * kProcessCount].material1),
                                               toQString(rows[j * kProcessCount].material2)}));
        for (std::size_t p = 0; p < kProcessCount; ++p) {
            const Outcome& outcome = rows[j * kProcessCount + p].answer.outcome;
            const QStringList fields = cells.mid(qsizetype(3 + 3 * p), 3);
            const auto* texts = std::get_if<Recommendation>(&outcome);
            if (texts == nullptr) {
                const bool notFound = std::holds_alternative<NotFound>(outcome);
                QCOMPARE(fields,
                         (QStringList{toQString(notFound ? kNoConsumableText : kNoEntryNotice.text),
                                      "", ""}));
                continue;
            }
            for (std::size_t f = 0; f < 3; ++f) {
                const QString label = toQString(kProcessNames[p].fields[f]) + "：";
                const QString text = toQString((*texts)[f]);
                if (!text.startsWith(label)) {
                    QCOMPARE(fields[qsizetype(f)], text);
                    ++unlabelled[{p, f}];
                } else {
                    QCOMPARE(label + fields[qsizetype(f)], text);
                }
            }
        }
    }
    for (const auto& [field, count] : unlabelled) {
        QVERIFY2(count < 10, qPrintable(QString("process %1, field %2: %3 texts with another label")
                                            .arg(field.first)
                                            .arg(field.second)
                                            .arg(count)));
    }
}

// A table of one carried column and one process, written out: the carried cells are
// quoted where they must be, and never left for Excel to evaluate.
void JointsTableTest::csvAndTabsAsSpreadsheetsReadThem_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("csv"); // the note as the CSV writes it
    QTest::addColumn<QString>("tsv"); // as the tab-separated text writes it
    QTest::newRow("plain") << "储罐"
                           << "储罐"
                           << "储罐";
    QTest::newRow("line break") << "第一行\n第二行"
                                << "\"第一行\n第二行\""
                                << "\"第一行\n第二行\"";
    QTest::newRow("quote and comma") << "a \"b\", c"
                                     << "\"a \"\"b\"\", c\""
                                     << "\"a \"\"b\"\", c\"";
    QTest::newRow("tab") << "a\tb"
                         << "a\tb"
                         << "\"a\tb\"";
    for (const char* formula : {"=1+1", "+cmd|calc", "-2", "@SUM(A1:A3)", "\tx", "\rx"}) {
        const QString f = QString::fromUtf8(formula);
        const bool quoted = f.contains('\r');
        QTest::addRow("formula %s", formula) << f << (quoted ? "\"'" + f + "\"" : "'" + f)
                                             << (f.contains('\t') || quoted ? "\"" + f + "\"" : f);
    }
}

void JointsTableTest::csvAndTabsAsSpreadsheetsReadThem() {
    QFETCH(QString, note);
    QFETCH(QString, csv);
    QFETCH(QString, tsv);
    JointList list;
    list.carried = {{1, "备注"}};
    list.entries.push_back({2, Joint{"16MnR", {}, {}}, {toStd(note)}});
    const Process smaw[] = {Process::Smaw};
    const JointsTable table = jointsTable(list, smaw);
    const QString csvRow = QString::fromStdString(csvText(table)).split("\r\n").value(1);
    QVERIFY2(csvRow.startsWith(csv + ",16MnR,,"), qPrintable(csvRow));
    const QString tsvRow = QString::fromStdString(tsvText(table)).section('\n', 1);
    QVERIFY2(tsvRow.startsWith(tsv + "\t16MnR\t\t"), qPrintable(tsvRow));
}

// A workbook stores numbers as the text of a double; a list's cells are what Excel's
// General format shows.
void JointsTableTest::numbersAsExcelShowsThem_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    const QList<std::pair<const char*, const char*>> rows{
        {"1", "1"},
        {"1.0", "1"},
        {"-1.50", "-1.5"},
        {"2.5E-3", "0.0025"},
        {"0.30000000000000004", "0.3"},
        {"0.3333333333333333", "0.333333333"},
        {"-0.3333333333333333", "-0.33333333"},
        {"0.1234567895", "0.12345679"},
        {"12345678901", "12345678901"},
        {"123456789012", "1.23457E+11"},
        {"9.99999999999", "10"},
        {"0.0001234", "0.0001234"},
        {"0.00001234", "1.234E-05"},
        {"-1E-10", "-1E-10"},
        {"0.000", "0"},
        {"1e+300", "1E+300"},
        {"W-1", "W-1"},
        {"1,5", "1,5"},
        {"", ""},
    };
    for (const auto& [stored, shown] : rows) {
        QTest::addRow("%s", stored) << QString::fromLatin1(stored) << QString::fromLatin1(shown);
    }
}

void JointsTableTest::numbersAsExcelShowsThem() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(toQString(generalNumberText(toStd(stored))), shown);
}

// A list read and laid out for one process: the carried headings (the list's own,
// trimmed, or the column's number), the materials, what names were read as, the line
// each row came from, and every row as wide as the header.
void JointsTableTest::aListLaidOut_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QStringList>("heading"); // the header up to the first answer column
    QTest::addColumn<QStringList>("rows");    // each row as far, then "@" and its line
    QTest::newRow("no header: columns by number")
        << "W-1,16MnR,20g,x\n\nW-2,40Cr,,y\n"
        << "2,3" << QStringList{"第 1 列", "第 4 列", "材料1", "材料2"}
        << QStringList{"W-1|x|16MnR|20g@1", "W-2|y|40Cr|@3"};
    QTest::newRow("names read, an unfilled row, a comment")
        << " 编号 ,母材1,母材2\n  # 待定的\nW-1,Q345R，S30408,\nW-2,,\n"
        << "" << QStringList{"编号", "材料1", "材料2", "名称换算"}
        << QStringList{"W-1|16MnR|0Cr18Ni9(304)|Q345R 按 GB/T 713-2008 及以后版本 即 16MnR；"
                       "S30408 按 GB/T 20878-2007 即 0Cr18Ni9(304)@3",
                       "W-2|||@4"};
}

void JointsTableTest::aListLaidOut() {
    QFETCH(QString, text);
    QFETCH(QString, columns);
    QFETCH(QStringList, heading);
    QFETCH(QStringList, rows);
    const auto choice = columns.isEmpty() ? ColumnChoice{} : columnChoice(toStd(columns));
    QVERIFY(choice);
    const JointList list = readJointList(toStd(text), *choice);
    QVERIFY(list.faults.empty());
    const JointsTable table = jointsTable(list, std::array{Process::Smaw});
    QCOMPARE(toQStringList(table.header).mid(0, heading.size()), heading);
    QCOMPARE(table.header.size(), std::size_t(heading.size()) + 3);
    QStringList laid;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        QCOMPARE(table.rows[r].size(), table.header.size());
        const bool unfilled = table.rows[r][std::size_t(heading.size())] == kUnfilledText;
        QCOMPARE(unfilled, !list.entries[r].joint.has_value());
        laid << toQStringList(table.rows[r]).mid(0, heading.size()).join('|') + '@' +
                    QString::number(table.lines[r]);
    }
    QCOMPARE(laid, rows);
}

QTEST_GUILESS_MAIN(JointsTableTest)
#include "joints_table_test.moc"
