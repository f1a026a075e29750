#include "cli/commands.h"

#include "answers/answer_formats.h"
#include "cli/command_line.h"
#include "cli/joint_names.h"
#include "cli/materials_listing.h"
#include "ui/answer_sheet.h"

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

void setUpAnswer(CommandLine& line) {
    line.takeProcess(QStringLiteral("只回答这一种焊接方法；不给出时四种方法按按钮顺序全部回答。"));
    line.takeFormats({QStringLiteral("text"), QStringLiteral("json")});
    takeOutput(line);
    takeMaterials(line);
}

int answer(const CommandLine& line) {
    const std::vector<Process> processes = line.processes();
    if (processes.empty()) {
        return kMisuse;
    }
    const QString format = line.format();
    if (format.isEmpty()) {
        return kMisuse;
    }
    const std::optional<Joint> joint = jointFrom(line);
    if (!joint) {
        return kMisuse;
    }
    const std::array<answers::AnswerRow, kProcessCount> every =
        answers::rowsFor(joint->material1, joint->material2);
    std::vector<answers::AnswerRow> rows;
    for (Process process : processes) {
        rows.push_back(every[static_cast<std::size_t>(process)]);
    }
    // Only a question about one process can go unanswered.
    const bool unanswered =
        line.processGiven() && !std::holds_alternative<Recommendation>(rows[0].answer.outcome);
    return line.print(format == QLatin1String("json") ? answers::asJson(rows)
                                                      : answers::asText(rows),
                      unanswered ? kNoRule : kDone);
}

void setUpMaterials(CommandLine& line) {
    line.takeFormats({QStringLiteral("text"), QStringLiteral("json")});
    takeOutput(line);
}

int materials(const CommandLine& line) {
    if (!line.arguments().isEmpty()) {
        return line.misuse();
    }
    const QString format = line.format();
    if (format.isEmpty()) {
        return kMisuse;
    }
    return line.print(format == QLatin1String("json") ? materialsAsJson() : materialsAsText());
}

void setUpTable(CommandLine& line) {
    line.takeFormats({QStringLiteral("tsv"), QStringLiteral("csv"), QStringLiteral("json")});
    takeOutput(line);
}

int table(const CommandLine& line) {
    if (!line.arguments().isEmpty()) {
        return line.misuse();
    }
    const QString format = line.format();
    if (format.isEmpty()) {
        return kMisuse;
    }
    const std::vector<answers::AnswerRow> all = answers::everyAnswer();
    if (format == QLatin1String("csv")) {
        return line.print(answers::asCsv(all));
    }
    if (format == QLatin1String("json")) {
        return line.print(answers::asJson(all));
    }
    std::string problem;
    const QByteArray tsv = answers::asTsv(all, &problem);
    if (tsv.isEmpty()) {
        CommandLine::say(QStringLiteral("规则文本含有制表符或换行，不能写成 TSV：%1")
                             .arg(QString::fromStdString(problem)));
        return kWriteFailed;
    }
    return line.print(tsv);
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
    if (!ui::saveAnswerSheetPdf(
            file,
            ui::answerSheetFor(joint->material1, joint->material2, QDateTime::currentDateTime()),
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
