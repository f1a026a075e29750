#include "joints/list_cells.h"
#include "text_support.h"
#include "ui/joint_list_window.h"
#include "ui/main_window.h"
#include "workbook/workbook_file.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace velmora;
using velmora::ui::JointListWindow;

namespace {

// The window's table, a row a line, its header first.
QList<QStringList> shownRows(const JointListWindow& window) {
    const auto* table = window.findChild<QTableWidget*>(QStringLiteral("jointTable"));
    QList<QStringList> rows;
    QStringList header;
    for (int c = 0; c < table->columnCount(); ++c) {
        header << table->horizontalHeaderItem(c)->text();
    }
    rows << header;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            cells << (table->item(r, c) != nullptr ? table->item(r, c)->text() : QString());
        }
        rows << cells;
    }
    return rows;
}

// What velmora-cli writes for the list, as Excel-style tab-separated rows.
QList<QStringList> commandLineRows(const QString& file) {
    QProcess cli;
    cli.start(QStringLiteral(VELMORA_CLI), {"batch", "-l", "joints", "-f", "tsv", file});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0) {
        return {};
    }
    std::vector<ListFault> faults;
    QList<QStringList> rows;
    for (const ListRow& row : listRows(cli.readAllStandardOutput().toStdString(), faults)) {
        rows << toQStringList(row.cells);
    }
    return rows;
}

QString written(QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(QLatin1String(name)));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

} // namespace

class JointListWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void showsTheRowsTheCommandLineWrites_data();
    void showsTheRowsTheCommandLineWrites();
    void refusedLinesAreShownAndNothingIsSaved();
    void savesWhatItShows();
    void theMainWindowOpensADroppedList();

private:
    QTemporaryDir dir_;
};

void JointListWindowTest::cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        delete w;
    }
}

void JointListWindowTest::showsTheRowsTheCommandLineWrites_data() {
    QTest::addColumn<QString>("file");
    const QDir lists(QStringLiteral(VELMORA_LISTS));
    for (const QString& name : lists.entryList(QDir::Files)) {
        QTest::newRow(qPrintable(name)) << lists.filePath(name);
    }
    const QDir workbooks(QStringLiteral(VELMORA_WORKBOOKS));
    for (const char* name : {"joints.xlsx", "prefixed.xlsx", "plain.xlsx"}) {
        QTest::newRow(name) << workbooks.filePath(QLatin1String(name));
    }
}

// The window reads a list as velmora-cli does and shows the rows it writes.
void JointListWindowTest::showsTheRowsTheCommandLineWrites() {
    QFETCH(QString, file);
    JointListWindow* window = ui::openJointList(nullptr, file);
    QVERIFY(window != nullptr);
    const QList<QStringList> expected = commandLineRows(file);
    QVERIFY(expected.size() > 1);
    QCOMPARE(shownRows(*window), expected);
}

void JointListWindowTest::refusedLinesAreShownAndNothingIsSaved() {
    const QString file = written(dir_, "bad.csv", "编号,母材\n1,16MnR\n2,316x\n");
    JointListWindow* window = ui::openJointList(nullptr, file);
    QVERIFY(window != nullptr);
    const auto* refused = window->findChild<QListWidget*>(QStringLiteral("refusedLines"));
    QCOMPARE(refused->count(), 1);
    QVERIFY2(refused->item(0)->text().startsWith("第 3 行：第 2 格“316x”："),
             qPrintable(refused->item(0)->text()));
    QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("saveAs"))->isEnabled());
    QCOMPARE(shownRows(*window).size(), 2);
}

void JointListWindowTest::savesWhatItShows() {
    const QString file = written(dir_, "two.csv", "编号,母材\n# 注\n1,16MnR\n\n2,\n");
    JointListWindow* window = ui::openJointList(nullptr, file);
    QVERIFY(window != nullptr);
    window->findChild<QComboBox*>(QStringLiteral("processChoice"))->setCurrentIndex(1);
    const QList<QStringList> shown = shownRows(*window);
    // Each row is labelled with the line of the list it came from.
    const auto* table = window->findChild<QTableWidget*>(QStringLiteral("jointTable"));
    QCOMPARE(table->verticalHeaderItem(0)->text(), "第 3 行");
    QCOMPARE(table->verticalHeaderItem(1)->text(), "第 5 行");
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("summary"))->text(), "共 2 行");
    QCOMPARE(shown[0], (QStringList{"编号", "材料1", "材料2", "焊条电弧焊(SMAW) 焊条型号",
                                    "焊条电弧焊(SMAW) 焊条牌号", "焊条电弧焊(SMAW) 保护气体"}));
    QString error;
    QVERIFY(window->save(dir_.filePath("answers.XLSX"), &error));
    QFile saved(dir_.filePath("answers.XLSX"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const auto read = workbook::readWorkbook(saved.readAll());
    QVERIFY(std::holds_alternative<std::vector<ListRow>>(read));
    QList<QStringList> rows;
    for (const ListRow& row : std::get<std::vector<ListRow>>(read)) {
        QStringList cells = toQStringList(row.cells);
        while (cells.size() < shown[0].size()) {
            cells << QString();
        }
        rows << cells;
    }
    QCOMPARE(rows, shown);
    // Neither a folder that is not there, nor a name a folder already has, is saved to.
    for (const QString& name :
         {QStringLiteral("no/such/folder/answers.csv"), QStringLiteral("taken.csv")}) {
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("taken.csv")));
        error.clear();
        QVERIFY2(!window->save(dir_.filePath(name), &error), qPrintable(name));
        QVERIFY(!error.isEmpty());
    }
}

void JointListWindowTest::theMainWindowOpensADroppedList() {
    ui::MainWindow main;
    const auto* open = main.findChild<QAction*>(QStringLiteral("openJointList"));
    QVERIFY(open != nullptr);
    QCOMPARE(open->text(), QStringLiteral("打开焊缝清单…"));
    QCOMPARE(open->shortcut(), QKeySequence(QKeySequence::Open));
    QVERIFY(main.actions().contains(const_cast<QAction*>(open)));
    QCOMPARE(main.contextMenuPolicy(), Qt::ActionsContextMenu);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(written(dir_, "drop.csv", "16MnR,20g\n"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main, &drop);
    const auto* window = main.findChild<JointListWindow*>();
    QVERIFY(window != nullptr);
    QCOMPARE(shownRows(*window).value(1).mid(0, 2), (QStringList{"16MnR", "20g"}));
}

QTEST_MAIN(JointListWindowTest)
#include "joint_list_window_test.moc"
