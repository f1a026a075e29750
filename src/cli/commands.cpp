#include "cli/commands.h"

#include "catalogue/catalogue.h"
#include "cli/batch_command.h"
#include "cli/command_output.h"
#include "cli/materials_listing.h"
#include "cli/names_listing.h"
#include "cli/qt_message_hold.h"
#include "presentation/answer_table.h"
#include "sheet/answer_sheet.h"

#include <QDateTime>

#include <array>

namespace velmora::cli {
namespace {

void takeMaterials(CommandLine& line) {
    line.takeArguments(
        QStringLiteral("materials"), QStringLiteral("一种或两种材料"),
        QStringLiteral("MATERIAL [MATERIAL]"),
        {1, 2, QStringLiteral("请给出一种或两种材料"), QStringLiteral("最多两种材料")});
}

void takeOutput(CommandLine& line) {
    line.takeOutput(QStringLiteral("把结果写入这个文件，不写到标准输出。"));
}

void setUpAnswer(CommandLine& line) {
    line.takeProcess(QStringLiteral("只回答这一种焊接方法；不给出时四种方法按按钮顺序全部回答。"));
    line.takeFormats({QStringLiteral("text"), QStringLiteral("json")});
    takeOutput(line);
    takeMaterials(line);
}

int answer(const CommandLine& line) {
    const std::optional<Joint> joint = jointFrom(line);
    if (!joint) {
        return kMisuse;
    }
    std::vector<AnswerRow> rows;
    appendRows(rows, rowsFor(joint->material1, joint->material2, 0, {}, joint->translations),
               line.processes());
    // Only a question about one process can go unanswered.
    const bool unanswered =
        line.processGiven() && !std::holds_alternative<Recommendation>(rows[0].answer.outcome);
    return line.print(line.format() == QLatin1String("json") ? answers::asJson(rows)
                                                             : answers::asText(rows),
                      unanswered ? kNoRule : kDone);
}

void setUpMaterials(CommandLine& line) {
    line.takeFormats({QStringLiteral("text"), QStringLiteral("json")});
    takeOutput(line); // and no arguments: the usage line says so to any
}

int materials(const CommandLine& line) {
    return line.print(line.format() == QLatin1String("json") ? materialsAsJson()
                                                             : materialsAsText());
}

void setUpNames(CommandLine& line) {
    line.takeFormats({QStringLiteral("text"), QStringLiteral("json")});
    takeOutput(line);
    line.takeArguments(QStringLiteral("name"),
                       QStringLiteral("一个材料名称，如 S30408；不给出时列出全部换算"),
                       QStringLiteral("[NAME]"), {0, 1, {}, QStringLiteral("只能给出一个名称")});
}

int names(const CommandLine& line) {
    const bool json = line.format() == QLatin1String("json");
    if (line.arguments().isEmpty()) {
        return line.print(json ? namesAsJson() : namesAsText());
    }
    const std::string typed = line.arguments().front().toStdString();
    bool found = false;
    const QByteArray out = json ? nameAsJson(typed, &found) : nameAsText(typed, &found);
    return line.print(out, found ? kDone : kMisuse);
}

void setUpTable(CommandLine& line) {
    line.takeFormats({QStringLiteral("tsv"), QStringLiteral("csv"), QStringLiteral("json")});
    takeOutput(line); // and no arguments: the usage line says so to any
}

int table(const CommandLine& line) {
    if (line.format() == QLatin1String("tsv")) {
        // The rule base's own text, byte for byte what its fingerprint is made from.
        std::string problem;
        const std::string text = ruleBaseText(&problem);
        return printTsv(line, QByteArray::fromStdString(text), problem);
    }
    return printRows(line, everyAnswer());
}

void setUpSheet(CommandLine& line) {
    line.takeOutput(QStringLiteral("要写的 PDF 文件（必须给出）。"),
                    QStringLiteral("请用 --output 给出 PDF 文件"));
    takeMaterials(line);
}

int sheet(const CommandLine& line) {
    const std::optional<Joint> joint = jointFrom(line);
    if (!joint) {
        return kMisuse;
    }
    // A material joined to itself is that material's sheet.
    const std::string_view second =
        joint->material2 == joint->material1 ? std::string_view{} : joint->material2;
    QString error;
    bool notDrawn = false;
    if (!sheet::saveAnswerSheetPdf(line.output(),
                                   sheet::answerSheetFor(joint->material1, second,
                                                         QDateTime::currentDateTime(),
                                                         joint->translations),
                                   &error, &notDrawn)) {
        CommandLine::say(error);
        if (notDrawn) {
            QtMessageHold::explainFailure();
        }
        return kWriteFailed;
    }
    return kDone;
}

// {materials}, {processes} and {rows} in the texts below are counted, not typed.
constexpr std::array kCommands{
    Command{"answer", "给出一种或两种材料的推荐焊材",
            "给出一种或两种材料的推荐焊材，与结果窗口的答案相同。", false, setUpAnswer, answer},
    Command{"materials", "列出 {materials} 种材料及其类别",
            "列出 {materials} 种材料及其类别，按目录顺序。", false, setUpMaterials, materials},
    Command{"names", "列出今天图纸上的材料名称及其对应的目录牌号",
            "列出程序认得的今天图纸上的材料名称（新国标牌号、统一数字代号、UNS、ASTM、JIS、EN "
            "牌号、商品名和常见写法）、对应的目录牌号和依据的标准；给出一个名称时，说明它读作"
            "哪种材料、为什么，以及该材料的其他名称。",
            false, setUpNames, names},
    Command{"table", "列出程序能给出的全部答案",
            "列出程序能给出的全部答案：每种焊接方法下，未选材料、每种材料单独、每两种不同材料"
            "的组合，共 {processes} × {rows} 行。",
            false, setUpTable, table},
    Command{"sheet", "把焊材选用单写成 PDF",
            "把焊材选用单写成 PDF：日期时间、材料、四种焊接方法的答案和使用说明，不需要显示器。",
            true, setUpSheet, sheet},
    Command{"batch", "给出一份接头清单中每个接头的推荐焊材",
            "给出一份接头清单中每个接头的推荐焊材，按清单顺序。清单可以是 CSV、制表符分隔的文本或 "
            ".xlsx 工作簿。材料列由表头（母材1、母材2、材料、material 等；表头上方的标题行不计）"
            "或 --columns 找出，焊缝编号、备注等其他列原样带到结果中；同一材料两次即该材料单独的"
            "答案；一格中以“，”“、”“+”“/”分隔的两种材料也认得。文本清单为 UTF-8（可带 BOM）或 "
            "GB18030/GBK；空行和以 # 开头的行不计，材料格全空的行照样占一行，写“未填写材料”。"
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

QString commandText(const char* text) {
    // The table's joints for each process: none chosen, each material alone, each pair.
    constexpr std::size_t kRows = 1 + kMaterialCount + kMaterialCount * (kMaterialCount - 1) / 2;
    return QString::fromUtf8(text)
        .replace(QStringLiteral("{materials}"), QString::number(kMaterialCount))
        .replace(QStringLiteral("{processes}"), QString::number(kProcessCount))
        .replace(QStringLiteral("{rows}"), QString::number(kRows));
}

} // namespace velmora::cli
