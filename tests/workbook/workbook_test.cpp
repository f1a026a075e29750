#include "joints/joints_table.h"
#include "text_support.h"
#include "workbook/workbook_file.h"

#include <QFile>
#include <QObject>
#include <QTest>

using namespace velmora;

namespace {

QByteArray fixture(const QString& name) {
    QFile file(QStringLiteral(VELMORA_WORKBOOKS "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Rows as "line: cell|cell|…".
QStringList said(const std::vector<ListRow>& rows) {
    QStringList out;
    for (const ListRow& row : rows) {
        out << QStringLiteral("%1: %2").arg(row.line).arg(toQStringList(row.cells).join(u'|'));
    }
    return out;
}

} // namespace

class WorkbookTest : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void writtenReadsBack();
};

void WorkbookTest::reads_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("fault"); // what the refusal says; empty: none

    const QStringList none;
    QTest::newRow("openpyxl: the first worksheet after a chart sheet, merged cells, numbers")
        << "joints.xlsx"
        << ""
        << QStringList{"1: XX 项目焊缝清单|XX 项目焊缝清单|XX 项目焊缝清单|XX 项目焊缝清单",
                       "2: 焊缝编号|母材1|母材2|备注",
                       "3: 1|16MnR|Q235B|第一行\n第二行",
                       "4: 2|06Cr19Ni10|20g|=1+1",
                       "5: 3|||待定",
                       "6: 4.5|16MnR+304||0.0025",
                       "7: 5|40Cr",
                       "8: 6|40Cr||同上"}
        << "";
    QTest::newRow("a prefix, an absolute target, rich text, stored entries and folders")
        << "prefixed.xlsx"
        << "" << QStringList{"1: 编号|母材", "3: 1| 16MnR "} << "";
    QTest::newRow("a byte-order mark, inline strings, no references, a formula's result")
        << "plain.xlsx"
        << "" << QStringList{"1: 编号|母材", "2: 1.23457E+13|20g"} << "";
    QTest::newRow("a sheet by its name") << "joints.xlsx"
                                         << "焊缝清单" << QStringList() << "";
    QTest::newRow("a chart sheet by its name") << "joints.xlsx"
                                               << "图表" << none << "“图表”不是工作表";
    QTest::newRow("no such sheet")
        << "joints.xlsx"
        << "清单" << none << "没有名为“清单”的工作表；有：图表、焊缝清单";
    QTest::newRow("truncated") << "truncated.xlsx"
                               << "" << none << "压缩包已损坏或不完整";
    QTest::newRow("a part missing") << "missing.xlsx"
                                    << "" << none << "缺少 xl/workbook.xml";
    QTest::newRow("a part past 100 MB") << "huge.xlsx"
                                        << "" << none << "超过 100 MB";
    QTest::newRow("more than 100,000 rows") << "rows.xlsx"
                                            << "" << none << "工作表超过 100000 行";
}

void WorkbookTest::reads() {
    QFETCH(QString, file);
    QFETCH(QString, sheet);
    QFETCH(QStringList, rows);
    QFETCH(QString, fault);
    const QByteArray bytes = fixture(file);
    QVERIFY2(workbook::looksLikeWorkbook(bytes), qPrintable(file));
    const auto read = workbook::readWorkbook(bytes, sheet);
    if (!fault.isEmpty()) {
        QVERIFY(std::holds_alternative<QString>(read));
        QVERIFY2(std::get<QString>(read).contains(fault), qPrintable(std::get<QString>(read)));
        return;
    }
    if (const QString* refused = std::get_if<QString>(&read)) {
        QFAIL(qPrintable(*refused));
    }
    const QStringList got = said(std::get<std::vector<ListRow>>(read));
    QCOMPARE(got.mid(0, rows.isEmpty() ? 0 : got.size()), rows);
    QVERIFY(!got.isEmpty());
}

// What Velmora writes reads back as the table it wrote, whatever the cells hold.
void WorkbookTest::writtenReadsBack() {
    JointsTable table;
    table.header = {"备注", "材料1"};
    table.rows = {{"=1+1", "16MnR"},
                  {"第一行\n第二行 ", "20g"},
                  {"a & <b> \"c\" _x0041_ \x01 \r", "0012"},
                  {"", "1E3"}};
    const auto read = workbook::readWorkbook(workbook::workbookOf(table));
    QVERIFY(std::holds_alternative<std::vector<ListRow>>(read));
    const std::vector<ListRow>& rows = std::get<std::vector<ListRow>>(read);
    QCOMPARE(rows.size(), table.rows.size() + 1);
    QCOMPARE(rows[0].cells, table.header);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        QCOMPARE(rows[r + 1].line, int(r + 2));
        QCOMPARE(rows[r + 1].cells, table.rows[r]);
    }
}

QTEST_GUILESS_MAIN(WorkbookTest)
#include "workbook_test.moc"
