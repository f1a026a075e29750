#include "cli/commands.h"

#include "answers/answer_formats.h"
#include "cli/command_line.h"
#include "cli/input_text.h"
#include "cli/joint_list.h"
#include "cli/joint_names.h"
#include "cli/materials_listing.h"
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

// Of a joint's four rows, those of the processes asked for.
void appendRows(std::vector<answers::AnswerRow>& rows,
                const std::array<answers::AnswerRow, kProcessCount>& every,
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
    std::vector<answers::AnswerRow> rows;
    appendRows(rows, answers::rowsFor(joint->material1, joint->material2), request->processes);
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
int printRows(const CommandLine& line, const QString& format,
              std::span<const answers::AnswerRow> rows,
              answers::LineColumn lines = answers::LineColumn::Without) {
    if (format == QLatin1String("csv")) {
        return line.print(answers::asCsv(rows, lines));
    }
    if (format == QLatin1String("json")) {
        return line.print(answers::asJson(rows, lines));
    }
    std::string problem;
    const QByteArray tsv = answers::asTsv(rows, &problem, lines);
    if (tsv.isEmpty()) {
        CommandLine::say(QStringLiteral("规则文本含有制表符或换行，不能写成 TSV：%1")
                             .arg(QString::fromStdString(problem)));
        return kWriteFailed;
    }
    return line.print(tsv);
}

int table(const CommandLine& line) {
    const std::optional<QString> format = formatWithoutArguments(line);
    if (!format) {
        return kMisuse;
    }
    return printRows(line, *format, answers::everyAnswer());
}

void setUpBatch(CommandLine& line) {
    line.takeProcess(
        QStringLiteral("只列出这一种焊接方法的答案；不给出时每个接头四种方法都列出。"));
    line.takeFormats({QStringLiteral("tsv"), QStringLiteral("csv"), QStringLiteral("json")});
    takeOutput(line);
    line.takeArguments(QStringLiteral("list"),
                       QStringLiteral("接头清单：每行一个接头，一种或两种材料，以逗号或制表符分隔；"
                                      "- 为标准输入"),
                       QStringLiteral("FILE|-"));
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
    const QString file = line.arguments().front();
    QString error;
    const std::optional<QByteArray> bytes = readInput(file, &error);
    if (!bytes) {
        CommandLine::say(error);
        return kMisuse;
    }
    const std::optional<QString> text = decodeText(*bytes);
    if (!text) {
        CommandLine::say(
            QStringLiteral("%1：既不是 UTF-8 也不是 GB18030 文本").arg(inputName(file)));
        return kMisuse;
    }
    const JointList list = readJointList(*text);
    for (const JointList::Fault& fault : list.faults) {
        CommandLine::say(QStringLiteral("第 %1 行：%2").arg(fault.line).arg(fault.reason));
    }
    if (!list.faults.empty()) {
        return kMisuse;
    }
    std::vector<answers::AnswerRow> rows;
    rows.reserve(list.joints.size() * request->processes.size());
    for (const JointList::Entry& entry : list.joints) {
        appendRows(rows, answers::rowsFor(entry.joint.material1, entry.joint.material2, entry.line),
                   request->processes);
    }
    return printRows(line, request->format, rows, answers::LineColumn::With);
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
    QString error;
    if (!sheet::saveAnswerSheetPdf(
            file,
            sheet::answerSheetFor(joint->material1, joint->material2, QDateTime::currentDateTime()),
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
            "给出一份接头清单中每个接头的推荐焊材：每个接头、每种焊接方法一行，按清单顺序，"
            "带行号，列与 table 相同。清单为 UTF-8（可带 BOM）或 GB18030/GBK 文本；空行、以 # "
            "开头的行和第一行的表头（不含材料名而含“材”或“material”的一行）不计。有一行出错就"
            "什么也不写，列出每个出错的行。",
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
