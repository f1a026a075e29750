#include "cli/commands.h"

#include "answers/answer_formats.h"
#include "cli/command_line.h"
#include "cli/input_text.h"
#include "cli/joint_list.h"
#include "cli/joint_names.h"
#include "cli/materials_listing.h"
#include "recommend/answer_table.h"
#include "sheet/answer_sheet.h"

#include <QDateTime>

#include <array>
#include <optional>

namespace velmora::cli {
namespace {

void takeMaterials(CommandLine& line) {
    line.takeArguments(QStringLiteral("materials"), QStringLiteral("一种或两种材料"),
                       QStringLiteral("MATERIAL [MATERIAL]"));
}

void takeOutput(CommandLine& line) {
    line.takeOutput(QStringLiteral("把结果写入这个文件，不写到标准输出。"));
}

// The joint named by the command's arguments, or nullopt after saying why.
std::optional<Joint> jointFrom(const CommandLine& line) {
    const QStringList names = line.arguments();
    const auto joint = jointNamed(names);
    if (const QString* reason = std::get_if<QString>(&joint)) {
        // A wrong count is a wrong use of the command; a wrong name is said alone.
        if (names.isEmpty() || names.size() > 2) {
            line.misuse(*reason);
        } else {
            CommandLine::say(*reason);
        }
        return std::nullopt;
    }
    return std::get<Joint>(joint);
}

// What `answer` and `batch` are asked for: the processes and the format.
struct Request {
    std::vector<Process> processes;
    QString format;
};

// Nullopt after a misuse has been said.
std::optional<Request> requestOf(const CommandLine& line) {
    Request request{line.processes(), {}};
    if (request.processes.empty()) {
        return std::nullopt;
    }
    request.format = line.format();
    if (request.format.isEmpty()) {
        return std::nullopt;
    }
    return request;
}

// TSV is never quoted: a text holding a tab or a line break cannot be written.
int printTsv(const CommandLine& line, const QByteArray& tsv, const std::string& problem) {
    if (tsv.isEmpty()) {
        CommandLine::say(QStringLiteral("规则文本含有制表符或换行，不能写成 TSV：%1")
                             .arg(QString::fromStdString(problem)));
        return kWriteFailed;
    }
    return line.print(tsv);
}

// Of a joint's four rows, those of the processes asked for.
void appendRows(std::vector<AnswerRow>& rows, const std::array<AnswerRow, kProcessCount>& every,
                const std::vector<Process>& processes) {
    for (Process process : processes) {
        rows.push_back(every[static_cast<std::size_t>(process)]);
    }
}

void setUpAnswer(CommandLine& line) {
    line.takeProcess(QStringLiteral("只回答这一种焊接方法；不给出时四种方法按按钮顺序全部回答。"));
    line.takeFormats({QStringLiteral("text"), QStringLiteral("json")});
    takeOutput(line);
    takeMaterials(line);
}

int answer(const CommandLine& line) {
    const std::optional<Request> request = requestOf(line);
    if (!request) {
        return kMisuse;
    }
    const std::optional<Joint> joint = jointFrom(line);
    if (!joint) {
        return kMisuse;
    }
    std::vector<AnswerRow> rows;
    appendRows(rows, rowsFor(joint->material1, joint->material2), request->processes);
    // Only a question about one process can go unanswered.
    const bool unanswered =
        line.processGiven() && !std::holds_alternative<Recommendation>(rows[0].answer.outcome);
    return line.print(request->format == QLatin1String("json") ? answers::asJson(rows)
                                                               : answers::asText(rows),
                      unanswered ? kNoRule : kDone);
}

void setUpMaterials(CommandLine& line) {
    line.takeFormats({QStringLiteral("text"), QStringLiteral("json")});
    takeOutput(line);
}

// The format asked for by a command that takes no materials; nothing after a misuse,
// which has been said.
std::optional<QString> formatWithoutArguments(const CommandLine& line) {
    if (!line.arguments().isEmpty()) {
        line.misuse();
        return std::nullopt;
    }
    const QString format = line.format();
    return format.isEmpty() ? std::nullopt : std::optional(format);
}

int materials(const CommandLine& line) {
    const std::optional<QString> format = formatWithoutArguments(line);
    if (!format) {
        return kMisuse;
    }
    return line.print(*format == QLatin1String("json") ? materialsAsJson() : materialsAsText());
}

void setUpTable(CommandLine& line) {
    line.takeFormats({QStringLiteral("tsv"), QStringLiteral("csv"), QStringLiteral("json")});
    takeOutput(line);
}

// Rows as TSV, CSV or JSON, as `table` and `batch` write them.
int printRows(const CommandLine& line, const QString& format, std::span<const AnswerRow> rows,
              const answers::ListColumns* list = nullptr) {
    if (format == QLatin1String("csv")) {
        return line.print(answers::asCsv(rows, list));
    }
    if (format == QLatin1String("json")) {
        return line.print(answers::asJson(rows, list));
    }
    std::string problem;
    const QByteArray tsv = answers::asTsv(rows, &problem, list);
    return printTsv(line, tsv, problem);
}

int table(const CommandLine& line) {
    const std::optional<QString> format = formatWithoutArguments(line);
    if (!format) {
        return kMisuse;
    }
    if (*format == QLatin1String("tsv")) {
        // The rule base's own text, byte for byte what its fingerprint is made from.
        std::string problem;
        const std::string text = ruleBaseText(&problem);
        return printTsv(line, QByteArray::fromStdString(text), problem);
    }
    return printRows(line, *format, everyAnswer());
}

void setUpBatch(CommandLine& line) {
    line.takeProcess(
        QStringLiteral("只列出这一种焊接方法的答案；不给出时每个接头四种方法都列出。"));
    line.takeFormats({QStringLiteral("tsv"), QStringLiteral("csv"), QStringLiteral("json")});
    line.takeLayouts({QStringLiteral("rows"), QStringLiteral("joints")},
                     QStringLiteral("rows：每个接头、每种焊接方法一行（TSV 和 JSON 默认）；joints："
                                    "每个接头一行，各焊接方法的答案并排，中文表头（CSV 默认，"
                                    "可回到 Excel）。"));
    line.takeColumns(QStringLiteral("材料所在的一列或两列：列号（从 1 起）或表头文字，如 2,3 或 "
                                    "母材1,母材2。不给出时按表头找“母材”“材料”等列；没有这样的"
                                    "表头时，每一格都是材料。其他列原样带到结果中。"));
    takeOutput(line);
    line.takeArguments(QStringLiteral("list"),
                       QStringLiteral("接头清单：每行一个接头，以逗号或制表符分隔；- 为标准输入"),
                       QStringLiteral("FILE|-"));
}

// How the carried columns are headed where the list has no header: "column4" among
// the English headings of the rows, "第 4 列" among the Chinese of the joints.
answers::ListColumns listColumns(const JointList& list, bool joints) {
    answers::ListColumns columns;
    for (const JointList::Column& column : list.carried) {
        const QString heading = !column.heading.isEmpty() ? column.heading
                                : joints ? QStringLiteral("第 %1 列").arg(column.number)
                                         : QStringLiteral("column%1").arg(column.number);
        columns.headings.push_back(heading.toStdString());
    }
    return columns;
}

// The joint list named by the command's argument, read as --columns says; nullopt
// after saying why it cannot be.
std::optional<JointList> jointListFrom(const CommandLine& line, const ColumnChoice& columns) {
    const QString file = line.arguments().front();
    QString error;
    const std::optional<QByteArray> bytes = readInput(file, &error);
    if (!bytes) {
        CommandLine::say(error);
        return std::nullopt;
    }
    const std::optional<QString> text = decodeText(*bytes);
    if (!text) {
        CommandLine::say(
            QStringLiteral("%1：既不是 UTF-8 也不是 GB18030 文本").arg(inputName(file)));
        return std::nullopt;
    }
    JointList list = readJointList(*text, columns);
    for (const JointList::Fault& fault : list.faults) {
        CommandLine::say(QStringLiteral("第 %1 行：%2").arg(fault.line).arg(fault.reason));
    }
    if (!list.faults.empty()) {
        return std::nullopt;
    }
    return list;
}

// Every line is checked before anything is written: one bad line, and nothing is.
int batch(const CommandLine& line) {
    const std::optional<Request> request = requestOf(line);
    if (!request) {
        return kMisuse;
    }
    if (line.arguments().size() != 1) {
        return line.misuse(QStringLiteral("请给出一个接头清单文件，或以 - 读标准输入"));
    }
    QString layout = line.layout();
    if (layout.isEmpty()) {
        layout = request->format == QLatin1String("csv") ? QStringLiteral("joints")
                                                         : QStringLiteral("rows");
    } else if (layout != QLatin1String("rows") && layout != QLatin1String("joints")) {
        return line.misuse(QStringLiteral("未知的排列：%1").arg(layout));
    }
    ColumnChoice columns;
    if (!line.columns().isEmpty()) {
        const std::optional<ColumnChoice> choice = columnChoice(line.columns());
        if (!choice) {
            return line.misuse(QStringLiteral("--columns 应是一列或两列的列号或表头文字，"
                                              "如 2,3 或 母材1,母材2：%1")
                                   .arg(line.columns()));
        }
        columns = *choice;
    }
    const std::optional<JointList> list = jointListFrom(line, columns);
    if (!list) {
        return kMisuse;
    }
    const bool joints = layout == QLatin1String("joints");
    const answers::ListColumns headed = listColumns(*list, joints);
    // The carried cells as the rows hold them, one vector per joint.
    std::vector<std::vector<std::string>> carried(list->joints.size());
    std::vector<AnswerRow> rows;
    rows.reserve(list->joints.size() * request->processes.size());
    for (std::size_t i = 0; i < list->joints.size(); ++i) {
        const JointList::Entry& entry = list->joints[i];
        for (const QString& cell : entry.carried) {
            carried[i].push_back(cell.toStdString());
        }
        appendRows(rows,
                   rowsFor(entry.joint.material1, entry.joint.material2, entry.line, carried[i]),
                   request->processes);
    }
    if (!joints) {
        return printRows(line, request->format, rows, &headed);
    }
    if (request->format == QLatin1String("csv")) {
        return line.print(answers::jointsAsCsv(rows, request->processes, headed));
    }
    if (request->format == QLatin1String("json")) {
        return line.print(answers::jointsAsJson(rows, request->processes, headed));
    }
    std::string problem;
    return printTsv(line, answers::jointsAsTsv(rows, request->processes, headed, &problem),
                    problem);
}

void setUpSheet(CommandLine& line) {
    line.takeOutput(QStringLiteral("要写的 PDF 文件（必须给出）。"));
    takeMaterials(line);
}

int sheet(const CommandLine& line) {
    const QString file = line.output();
    if (file.isEmpty()) {
        return line.misuse(QStringLiteral("请用 --output 给出 PDF 文件"));
    }
    const std::optional<Joint> joint = jointFrom(line);
    if (!joint) {
        return kMisuse;
    }
    // A material joined to itself is that material's sheet.
    const std::string_view second =
        joint->material2 == joint->material1 ? std::string_view{} : joint->material2;
    QString error;
    if (!sheet::saveAnswerSheetPdf(
            file, sheet::answerSheetFor(joint->material1, second, QDateTime::currentDateTime()),
            &error)) {
        CommandLine::say(error);
        return kWriteFailed;
    }
    return kDone;
}

constexpr std::array kCommands{
    Command{"answer", "给出一种或两种材料的推荐焊材",
            "给出一种或两种材料的推荐焊材，与结果窗口的答案相同。", false, setUpAnswer, answer},
    Command{"materials", "列出 43 种材料及其类别", "列出 43 种材料及其类别，按目录顺序。", false,
            setUpMaterials, materials},
    Command{"table", "列出程序能给出的全部答案",
            "列出程序能给出的全部答案：每种焊接方法下，未选材料、每种材料单独、每两种不同材料"
            "的组合，共 4 × 947 行。",
            false, setUpTable, table},
    Command{"sheet", "把焊材选用单写成 PDF",
            "把焊材选用单写成 PDF：日期时间、材料、四种焊接方法的答案和使用说明，不需要显示器。",
            true, setUpSheet, sheet},
    Command{"batch", "给出一份接头清单中每个接头的推荐焊材",
            "给出一份接头清单中每个接头的推荐焊材，按清单顺序。材料列由表头（母材1、母材2、"
            "材料、material 等）或 --columns 找出，焊缝编号、备注等其他列原样带到结果中；"
            "同一材料两次即该材料单独的答案；全角逗号“，”分隔的两种材料也认得。清单为 "
            "UTF-8（可带 BOM）或 GB18030/GBK 文本；空行、以 # 开头的行和材料格全空的行不计。"
            "有一行出错就什么也不写，列出每个出错的行。",
            false, setUpBatch, batch},
};

} // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command* commandNamed(const QString& name) {
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name)) {
            return &command;
        }
    }
    return nullptr;
}

} // namespace velmora::cli
