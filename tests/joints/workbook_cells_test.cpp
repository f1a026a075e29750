#include "joints/workbook_cells.h"
#include "joints/workbook_parts.h"
#include "text_support.h"

#include <QObject>
#include <QRegularExpression>
#include <QTest>

using namespace velmora;

class WorkbookCellsTest : public QObject {
    Q_OBJECT
private slots:
    void mergedRangesFillOnlyWhatTheSheetHolds_data();
    void mergedRangesFillOnlyWhatTheSheetHolds();
    void cellsAsExcelShowsThem_data();
    void cellsAsExcelShowsThem();
    void cellsAreNamedAsExcelNamesThem();
};

void WorkbookCellsTest::mergedRangesFillOnlyWhatTheSheetHolds_data() {
    QTest::addColumn<QStringList>("merges");
    QTest::addColumn<QStringList>("rows"); // "line: cells", or the refusal's start
    QTest::newRow("a material merged down two joints")
        << QStringList{"B1:B2"} << QStringList{"1: W-1|16MnR", "2: W-2|16MnR"};
    QTest::newRow("a range over the whole sheet stops at its last row and column")
        << QStringList{"B1:XFD1048576"} << QStringList{"1: W-1|16MnR", "2: W-2|16MnR"};
    QStringList many;
    for (int i = 0; i < 600000; ++i) {
        many << QStringLiteral("A1:B2");
    }
    QTest::newRow("ranges past a million cells in all") << many << QStringList{"合并单元格超过"};
}

void WorkbookCellsTest::mergedRangesFillOnlyWhatTheSheetHolds() {
    QFETCH(QStringList, merges);
    QFETCH(QStringList, rows);
    SheetContent sheet;
    sheet.rows = {{"1", {{"A1", "inlineStr", "W-1"}, {"B1", "inlineStr", "16MnR"}}},
                  {"2", {{"A2", "inlineStr", "W-2"}}}};
    for (const QString& merge : merges) {
        sheet.merges.push_back(toStd(merge));
    }
    const auto read = sheetRows(sheet);
    QStringList seen;
    if (const std::string* fault = std::get_if<std::string>(&read)) {
        seen << toQString(*fault).left(rows.value(0).size());
    } else {
        for (const ListRow& row : std::get<std::vector<ListRow>>(read)) {
            seen << QStringLiteral("%1: %2").arg(row.line).arg(toQStringList(row.cells).join(u'|'));
        }
    }
    QCOMPARE(seen, rows);
}

void WorkbookCellsTest::cellsAsExcelShowsThem_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("true") << "b"
                          << "1"
                          << "TRUE";
    QTest::newRow("false") << "b"
                           << "0"
                           << "FALSE";
    QTest::newRow("a number") << "n"
                              << "2.5E-3"
                              << "0.0025";
    QTest::newRow("a number of no type") << ""
                                         << "1.50"
                                         << "1.5";
    QTest::newRow("a shared string") << "s"
                                     << "0"
                                     << "S-1";
    QTest::newRow("an inline string") << "inlineStr"
                                      << "W_x002D_1"
                                      << "W-1";
}

// A cell's text as Excel shows it: booleans in capitals, numbers in General form,
// strings with their escapes read.
void WorkbookCellsTest::cellsAsExcelShowsThem() {
    QFETCH(QString, type);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    SheetContent sheet;
    sheet.rows = {{"1", {{"A1", toStd(type), toStd(stored)}}}};
    sheet.sharedStrings = {"S_x002D_1"};
    const auto read = sheetRows(sheet);
    QVERIFY(std::holds_alternative<std::vector<ListRow>>(read));
    QCOMPARE(toQStringList(std::get<std::vector<ListRow>>(read).at(0).cells), QStringList{shown});
}

// The sheet written for a table of 30 columns names its cells A1 to Z1, then AA1 to AD1.
void WorkbookCellsTest::cellsAreNamedAsExcelNamesThem() {
    JointsTable table;
    for (int c = 0; c < 30; ++c) {
        // Appended rather than "h" + ...: GCC 12's -O3 takes that for an overlapping copy.
        table.header.push_back(std::string("h").append(std::to_string(c)));
    }
    table.rows = {table.header};
    table.lines = {2};
    QString sheet;
    for (const WorkbookPart& part : workbookParts(table)) {
        if (part.path == "xl/worksheets/sheet1.xml") {
            sheet = QString::fromStdString(part.xml);
        }
    }
    static const QRegularExpression cell(QStringLiteral("<c r=\"([A-Z]+)1\""));
    QStringList names;
    for (const QRegularExpressionMatch& m : cell.globalMatch(sheet)) {
        names << m.captured(1);
    }
    QCOMPARE(names.size(), 30);
    QCOMPARE(names.mid(24), (QStringList{"Y", "Z", "AA", "AB", "AC", "AD"}));
    // Spaces around a text are kept, as Excel keeps them only where it is told to.
    table.rows = {{" a", "b ", "c"}};
    for (const WorkbookPart& part : workbookParts(table)) {
        if (part.path == "xl/worksheets/sheet1.xml") {
            sheet = QString::fromStdString(part.xml);
        }
    }
    QVERIFY(sheet.contains(QStringLiteral("<t xml:space=\"preserve\"> a</t>")));
    QVERIFY(sheet.contains(QStringLiteral("<t xml:space=\"preserve\">b </t>")));
    QVERIFY(sheet.contains(QStringLiteral("<t>c</t>")));
}

QTEST_GUILESS_MAIN(WorkbookCellsTest)
#include "workbook_cells_test.moc"
