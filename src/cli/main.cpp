// velmora-cli: the answers of the results window on a command line, from the same
// core and tables.
//
//   velmora-cli answer [--process P] [--format text|json] [--output FILE] MATERIAL [MATERIAL]
//   velmora-cli materials [--format text|json] [--output FILE]
//   velmora-cli table [--format tsv|csv|json] [--output FILE]
//   velmora-cli sheet --output FILE.pdf MATERIAL [MATERIAL]
//
// Exit status: 0 done (with --process: an answer given), 1 the process has no rule
// for the materials, 2 misuse, 3 the output could not be written.

#include "catalogue/material_names.h"
#include "cli/answer_export.h"
#include "cli/output_file.h"
#include "cli/qt_message_hold.h"
#include "cli/stream_output.h"
#include "recommend/processes.h"
#include "sheet/answer_sheet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>

namespace {

using namespace velmora;

enum Status { kDone = 0, kNoRule = 1, kMisuse = 2, kWriteFailed = 3 };

constexpr const char* kUsage[] = {
    "用法：velmora-cli answer [--process smaw|mag|gtaw|saw] [--format text|json] [--output FILE] "
    "MATERIAL [MATERIAL]",
    "用法：velmora-cli materials [--format text|json] [--output FILE]",
    "用法：velmora-cli table [--format tsv|csv|json] [--output FILE]",
    "用法：velmora-cli sheet --output FILE.pdf MATERIAL [MATERIAL]",
    "用法：velmora-cli answer|materials|table|sheet [选项] [MATERIAL [MATERIAL]]"
    "（velmora-cli --help 查看说明）",
};
enum Command { kAnswer, kMaterials, kTable, kSheet, kNone };
constexpr const char* kCommandNames[] = {"answer", "materials", "table", "sheet"};

void sayLine(const QString& line) {
    cli::writeToStream(stderr, (line + QLatin1Char('\n')).toUtf8());
}

int misuse(Command command, const QString& reason = {}) {
    if (!reason.isEmpty()) {
        sayLine(reason);
    }
    sayLine(QString::fromUtf8(kUsage[command]));
    return kMisuse;
}

int print(const QByteArray& bytes, int status = kDone) {
    if (!cli::writeToStream(stdout, bytes)) {
        sayLine(QStringLiteral("无法写出结果"));
        return kWriteFailed;
    }
    return status;
}

// To the file --output names, or to standard output.
int print(const QString& file, const QByteArray& bytes, int status = kDone) {
    if (file.isEmpty()) {
        return print(bytes, status);
    }
    QString error;
    if (!cli::saveOutput(file, bytes, &error)) {
        sayLine(error);
        return kWriteFailed;
    }
    return status;
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

QString quoted(std::span<const Material* const> materials) {
    QStringList names;
    for (const Material* m : materials) {
        names << QStringLiteral("“%1”").arg(qs(m->designation));
    }
    return names.join(QStringLiteral("、"));
}

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{"h", "help"}, QStringLiteral("显示本说明。")};
    QCommandLineOption version{{"v", "version"}, QStringLiteral("显示版本。")};
    QCommandLineOption process{{"p", "process"},
                               QStringLiteral("answer：只回答这一种焊接方法（smaw、mag、gtaw、"
                                              "saw）；不给出时四种方法按按钮顺序全部回答。"),
                               QStringLiteral("process")};
    QCommandLineOption format{{"f", "format"},
                              QStringLiteral("输出格式：answer 与 materials 为 text（默认）或 "
                                             "json；table 为 tsv（默认）、csv 或 json。"),
                              QStringLiteral("format")};
    QCommandLineOption output{{"o", "output"},
                              QStringLiteral("把结果写入这个文件，不写到标准输出（sheet "
                                             "必须给出，写成 PDF）。"),
                              QStringLiteral("file")};

    Parser() {
        parser.setApplicationDescription(QStringLiteral(
            "Velmora 焊材选用的命令行版本，答案与窗口相同。\n\n"
            "  answer     给出一种或两种材料的推荐焊材\n"
            "  materials  列出 43 种材料及其类别\n"
            "  table      列出程序能给出的全部答案\n"
            "  sheet      把焊材选用单写成 PDF\n\n"
            "材料可写全称（不区分大小写），或写括号中的牌号，如 316L、N08367。\n"
            "退出状态：0 完成，1 该焊接方法没有这两种材料的规则，2 用法错误，3 无法写出结果。"));
        parser.addOptions({help, version, process, format, output});
        parser.addPositionalArgument(QStringLiteral("command"),
                                     QStringLiteral("answer、materials、table 或 sheet"));
        parser.addPositionalArgument(QStringLiteral("materials"), QStringLiteral("一种或两种材料"),
                                     QStringLiteral("[MATERIAL [MATERIAL]]"));
    }

    Command command() const {
        const QStringList positional = parser.positionalArguments();
        for (int c = kAnswer; c < kNone; ++c) {
            if (!positional.isEmpty() && positional.front() == QLatin1String(kCommandNames[c])) {
                return static_cast<Command>(c);
            }
        }
        return kNone;
    }
};

// The one or two materials of `answer` and `sheet`, or the exit status of a misuse.
struct Materials {
    std::string_view first;
    std::string_view second;
};

std::variant<Materials, int> materialsFrom(Command command, const QStringList& names) {
    if (names.isEmpty() || names.size() > 2) {
        return misuse(command, names.isEmpty() ? QStringLiteral("请给出一种或两种材料")
                                               : QStringLiteral("最多两种材料"));
    }
    std::array<const Material*, 2> found{};
    for (qsizetype i = 0; i < names.size(); ++i) {
        const NameLookup lookup = lookUpMaterialName(utf8(names[i]));
        if (lookup.material == nullptr) {
            sayLine(lookup.ambiguous ? QStringLiteral("“%1”可指多种材料：%2")
                                           .arg(names[i], quoted(lookup.candidates))
                                     : QStringLiteral("没有名为“%1”的材料，最接近的是：%2")
                                           .arg(names[i], quoted(lookup.candidates)));
            return kMisuse;
        }
        found[static_cast<std::size_t>(i)] = lookup.material;
    }
    if (found[0] == found[1]) {
        sayLine(QStringLiteral("两种材料不能相同"));
        return kMisuse;
    }
    return Materials{found[0]->designation,
                     found[1] != nullptr ? found[1]->designation : std::string_view{}};
}

int answer(const Parser& p) {
    std::vector<Process> processes;
    if (p.parser.isSet(p.process)) {
        const QString wanted = p.parser.value(p.process).toLower();
        for (const ProcessName& name : kProcessNames) {
            if (wanted == qs(name.key)) {
                processes.push_back(name.process);
            }
        }
        if (processes.empty()) {
            return misuse(kAnswer, QStringLiteral("未知的焊接方法：%1").arg(wanted));
        }
    } else {
        for (const ProcessName& name : kProcessNames) {
            processes.push_back(name.process);
        }
    }
    const QString format = p.parser.value(p.format).toLower();
    if (format != QLatin1String("text") && format != QLatin1String("json") && !format.isEmpty()) {
        return misuse(kAnswer, QStringLiteral("未知的输出格式：%1").arg(format));
    }
    const auto chosen = materialsFrom(kAnswer, p.parser.positionalArguments().mid(1));
    if (const int* status = std::get_if<int>(&chosen)) {
        return *status;
    }
    const Materials& m = std::get<Materials>(chosen);
    std::vector<cli::Answer> answers;
    answers.reserve(processes.size());
    for (Process process : processes) {
        answers.push_back(cli::answerFor(process, m.first, m.second));
    }
    // Only a question about one process can go unanswered.
    const bool unanswered =
        p.parser.isSet(p.process) && !std::holds_alternative<Recommendation>(answers[0].outcome);
    return print(p.parser.value(p.output),
                 format == QLatin1String("json") ? cli::asJson(answers) : cli::asText(answers),
                 unanswered ? kNoRule : kDone);
}

int materials(const Parser& p) {
    if (p.parser.positionalArguments().size() > 1) {
        return misuse(kMaterials);
    }
    const QString format = p.parser.value(p.format).toLower();
    if (format.isEmpty() || format == QLatin1String("text")) {
        return print(p.parser.value(p.output), cli::materialsAsText());
    }
    if (format == QLatin1String("json")) {
        return print(p.parser.value(p.output), cli::materialsAsJson());
    }
    return misuse(kMaterials, QStringLiteral("未知的输出格式：%1").arg(format));
}

int table(const Parser& p) {
    if (p.parser.positionalArguments().size() > 1) {
        return misuse(kTable);
    }
    const QString format = p.parser.value(p.format).toLower();
    const std::vector<cli::Answer> all = cli::everyAnswer();
    if (format.isEmpty() || format == QLatin1String("tsv")) {
        std::string problem;
        const QByteArray tsv = cli::asTsv(all, &problem);
        if (tsv.isEmpty()) {
            sayLine(QStringLiteral("规则文本含有制表符或换行，不能写成 TSV：%1").arg(qs(problem)));
            return kWriteFailed;
        }
        return print(p.parser.value(p.output), tsv);
    }
    if (format == QLatin1String("csv")) {
        return print(p.parser.value(p.output), cli::asCsv(all));
    }
    if (format == QLatin1String("json")) {
        return print(p.parser.value(p.output), cli::asJson(all));
    }
    return misuse(kTable, QStringLiteral("未知的输出格式：%1").arg(format));
}

int sheet(const Parser& p) {
    const QString file = p.parser.value(p.output);
    if (file.isEmpty()) {
        return misuse(kSheet, QStringLiteral("请用 --output 给出 PDF 文件"));
    }
    const auto chosen = materialsFrom(kSheet, p.parser.positionalArguments().mid(1));
    if (const int* status = std::get_if<int>(&chosen)) {
        return *status;
    }
    const Materials& m = std::get<Materials>(chosen);
    QString error;
    if (!sheet::saveAnswerSheetPdf(
            file, sheet::answerSheetFor(m.first, m.second, QDateTime::currentDateTime()), &error)) {
        sayLine(error);
        return kWriteFailed;
    }
    return kDone;
}

// Options a command does not take are a misuse, as is an option given twice.
bool optionsFit(const Parser& p, Command command) {
    const std::vector<const QCommandLineOption*> allowed =
        [&]() -> std::vector<const QCommandLineOption*> {
        switch (command) {
        case kAnswer:
            return {&p.process, &p.format, &p.output};
        case kMaterials:
        case kTable:
            return {&p.format, &p.output};
        case kSheet:
            return {&p.output};
        case kNone:
            break;
        }
        return {};
    }();
    for (const QCommandLineOption* option : {&p.process, &p.format, &p.output}) {
        const qsizetype given = p.parser.values(*option).size();
        const bool takes = std::find(allowed.begin(), allowed.end(), option) != allowed.end();
        if (given > 1 || (given == 1 && !takes)) {
            return false;
        }
    }
    return true;
}

int run(const QStringList& arguments) {
    Parser p;
    if (!p.parser.parse(arguments)) {
        QStringList unknown = p.parser.unknownOptionNames();
        for (QString& name : unknown) {
            name.prepend(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"));
        }
        return misuse(p.command(), unknown.isEmpty()
                                       ? p.parser.errorText()
                                       : QStringLiteral("未知选项：%1").arg(unknown.join(' ')));
    }
    if (p.parser.isSet(p.help)) {
        return print(p.parser.helpText().toUtf8());
    }
    if (p.parser.isSet(p.version)) {
        return print(QStringLiteral("velmora-cli %1\n")
                         .arg(QCoreApplication::applicationVersion())
                         .toUtf8());
    }
    const Command command = p.command();
    if (command == kNone) {
        const QStringList positional = p.parser.positionalArguments();
        return misuse(kNone, positional.isEmpty()
                                 ? QString()
                                 : QStringLiteral("未知命令：%1").arg(positional.front()));
    }
    if (!optionsFit(p, command)) {
        return misuse(command);
    }
    switch (command) {
    case kAnswer:
        return answer(p);
    case kMaterials:
        return materials(p);
    case kTable:
        return table(p);
    case kSheet:
    case kNone:
        break;
    }
    return sheet(p);
}

// Qt's own words in --help ("Usage", "Options") in Chinese, like everything else the
// program says; in English where Qt's translations are not installed.
void useChineseQtTexts(QTranslator& translator) {
    if (translator.load(QStringLiteral("qtbase_zh_CN"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&translator);
    }
}

// Only `sheet` draws, and it needs no display.
bool wantsSheet(int argc, char* argv[]) {
    Parser p;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return p.parser.parse(arguments) && p.command() == kSheet;
}

int start(int argc, char* argv[]) {
    cli::useBinaryStandardStreams();
    QCoreApplication::setApplicationName(QStringLiteral("velmora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QTranslator translator;
    if (wantsSheet(argc, argv)) {
#ifndef _WIN32
        // A PDF needs no screen: offscreen whatever QT_QPA_PLATFORM says, or an xcb or
        // wayland left in the environment of an ssh session or a cron job aborts the
        // program where there is no display. (Windows' own platform needs no display,
        // and offscreen there would find no fonts.)
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        cli::QtMessageHold qtMessages;
        const QGuiApplication app(argc, argv);
        useChineseQtTexts(translator);
        const int status = run(QCoreApplication::arguments());
        if (status == kDone) {
            qtMessages.drop();
        }
        return status;
    }
    const QCoreApplication app(argc, argv);
    useChineseQtTexts(translator);
    return run(QCoreApplication::arguments());
}

} // namespace

// Nothing escapes as a crash: running out of memory, say, ends with a line and status 3.
int main(int argc, char* argv[]) {
    try {
        return start(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora-cli: %s\n", e.what());
        return kWriteFailed;
    }
}
