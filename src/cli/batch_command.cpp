#include "cli/batch_command.h"

#include "cli/command_output.h"
#include "cli/input_text.h"
#include "joints/joints_table.h"
#include "qtext/core_text.h"
#include "workbook/list_file.h"
#include "workbook/workbook_file.h"

namespace velmora::cli {
namespace {

// How the carried columns are headed in the rows layout where the list has no header:
// "column4", among its English headings.
answers::ListColumns listColumns(const JointList& list) {
    answers::ListColumns columns;
    for (const JointList::Column& column : list.carried) {
        columns.headings.push_back(
            !column.heading.empty() ? column.heading : "column" + std::to_string(column.number));
    }
    return columns;
}

// The joint list named by the command's argument, read as --columns says; nullopt
// after saying why it cannot be.
std::optional<JointList> jointListFrom(const CommandLine& line) {
    const QString file = line.arguments().front();
    QString error;
    const std::optional<QByteArray> bytes = readInput(file, &error);
    if (!bytes) {
        CommandLine::say(error);
        return std::nullopt;
    }
    auto read = workbook::readListFile(*bytes, line.sheet(), line.columns());
    if (const QString* problem = std::get_if<QString>(&read)) {
        CommandLine::say(QStringLiteral("%1：%2").arg(inputName(file), *problem));
        return std::nullopt;
    }
    JointList list = std::get<JointList>(std::move(read));
    for (const ListFault& fault : list.faults) {
        CommandLine::say(QStringLiteral("第 %1 行：%2")
                             .arg(fault.line)
                             .arg(QString::fromStdString(fault.reason)));
    }
    if (!list.faults.empty()) {
        return std::nullopt;
    }
    return list;
}

} // namespace

void setUpBatch(CommandLine& line) {
    line.takeProcess(
        QStringLiteral("只列出这一种焊接方法的答案；不给出时每个接头四种方法都列出。"));
    line.takeFormats({QStringLiteral("tsv"), QStringLiteral("csv"), QStringLiteral("json"),
                      QStringLiteral("xlsx")});
    line.takeLayouts({QStringLiteral("rows"), QStringLiteral("joints")},
                     QStringLiteral("rows：每个接头、每种焊接方法一行（TSV 和 JSON 默认）；joints："
                                    "清单的每一行一行，各焊接方法的答案并排，中文表头（CSV 默认，"
                                    "可回到 Excel）。"));
    line.takeColumns(QStringLiteral("材料所在的一列或两列：列号（从 1 起）或表头文字，如 2,3 或 "
                                    "母材1,母材2。不给出时按表头找“母材”“材料”等列；没有这样的"
                                    "表头时，每一格都是材料。其他列原样带到结果中。"));
    line.takeSheet(QStringLiteral("清单是 .xlsx 工作簿时，读这个工作表；不给出时读第一个工作表。"));
    line.takeOutput(QStringLiteral("把结果写入这个文件，不写到标准输出；不给出 --format 时按"
                                   "文件的扩展名（.csv、.xlsx、.tsv、.json）定格式。"));
    const QString one = QStringLiteral("请给出一个接头清单文件，或以 - 读标准输入");
    line.takeArguments(QStringLiteral("list"),
                       QStringLiteral("接头清单：每行一个接头，以逗号或制表符分隔；- 为标准输入"),
                       QStringLiteral("FILE|-"), {1, 1, one, one});
}

// Every line is checked before anything is written: one bad line, and nothing is.
int batch(const CommandLine& line) {
    if (line.format() == QLatin1String("xlsx") && line.layout() == QLatin1String("rows")) {
        CommandLine::say(QStringLiteral("xlsx 只有 joints 排列：每个接头一行"));
        return kMisuse;
    }
    const std::optional<JointList> list = jointListFrom(line);
    if (!list) {
        return kMisuse;
    }
    const bool spreadsheet =
        line.format() == QLatin1String("csv") || line.format() == QLatin1String("xlsx");
    const bool joints =
        line.layout().isEmpty() ? spreadsheet : line.layout() == QLatin1String("joints");
    const std::vector<Process> processes = line.processes();
    if (joints) {
        if (line.format() == QLatin1String("json")) {
            return line.print(answers::jointsAsJson(*list, processes));
        }
        const JointsTable table = jointsTable(*list, processes);
        if (line.format() == QLatin1String("xlsx")) {
            return line.print(workbook::workbookOf(table));
        }
        return line.print(QByteArray::fromStdString(
            line.format() == QLatin1String("csv") ? csvText(table) : tsvText(table)));
    }
    // A row per joint and process: the rows that name no material yet have none.
    const answers::ListColumns headed = listColumns(*list);
    std::vector<AnswerRow> rows;
    rows.reserve(list->entries.size() * processes.size());
    for (const JointList::Entry& entry : list->entries) {
        if (entry.joint) {
            appendRows(rows,
                       rowsFor(entry.joint->material1, entry.joint->material2, entry.line,
                               entry.carried, entry.joint->translations),
                       processes);
        }
    }
    return printRows(line, rows, &headed);
}

} // namespace velmora::cli
