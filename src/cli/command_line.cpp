#include "cli/command_line.h"

#include "answers/rule_fingerprint.h"
#include "cli/output_file.h"
#include "cli/stream_output.h"
#include "qtext/core_text.h"
#include "recommend/processes.h"
#include "version.h"

#include <algorithm>
#include <utility>

namespace velmora::cli {
namespace {

// "text（默认）或 json", "tsv（默认）、csv 或 json"
QString formatChoices(const QStringList& formats) {
    QString choices = formats.front() + QStringLiteral("（默认）");
    for (qsizetype i = 1; i < formats.size(); ++i) {
        if (i + 1 < formats.size()) {
            choices += QStringLiteral("、");
        } else {
            // No space between "（默认）" and "或".
            choices += i == 1 ? QStringLiteral("或 ") : QStringLiteral(" 或 ");
        }
        choices += formats[i];
    }
    return choices;
}

bool writeOut(const QByteArray& bytes) {
    if (!writeToStream(stdout, bytes)) {
        CommandLine::say(QStringLiteral("无法写出结果"));
        return false;
    }
    return true;
}

} // namespace

CommandLine::CommandLine(QStringList arguments, const QStringList& commands,
                         const QString& description)
    : m_arguments(std::move(arguments)) {
    m_parser.setApplicationDescription(description);
    m_parser.addOptions({m_help, m_version});
    m_parser.addPositionalArgument(QStringLiteral("command"), commands.join(QStringLiteral("、")),
                                   commands.join(QLatin1Char('|')));
}

QString CommandLine::commandName() {
    // Everything after the command's name is the command's, options included.
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    m_parsed = m_parser.parse(m_arguments);
    const QStringList positional = m_parser.positionalArguments();
    return positional.isEmpty() ? QString() : positional.front();
}

int CommandLine::runWithoutCommand(const QString& name) {
    if (!m_parsed) {
        return misuse(parseError());
    }
    if (m_parser.isSet(m_help) || m_parser.isSet(m_version)) {
        return answerHelpOrVersion();
    }
    return misuse(name.isEmpty() ? QString() : QStringLiteral("未知命令：%1").arg(name));
}

void CommandLine::beginCommand(const QString& name, const QString& summary,
                               const QString& description) {
    m_command = name;
    m_parser.setApplicationDescription(description);
    m_parser.clearPositionalArguments();
    m_parser.addPositionalArgument(name, summary, name);
}

void CommandLine::takeProcess(const QString& description) {
    m_process.setDescription(description);
    m_parser.addOption(m_process);
    m_taken.push_back(&m_process);
}

void CommandLine::takeFormats(const QStringList& formats) {
    m_formats = formats;
    m_format.setValueName(formats.join(QLatin1Char('|')));
    m_format.setDescription(QStringLiteral("输出格式：%1。").arg(formatChoices(formats)));
    m_parser.addOption(m_format);
    m_taken.push_back(&m_format);
}

void CommandLine::takeOutput(const QString& description) {
    m_output.setDescription(description);
    m_parser.addOption(m_output);
    m_taken.push_back(&m_output);
}

void CommandLine::takeColumns(const QString& description) {
    m_columns.setDescription(description);
    m_parser.addOption(m_columns);
    m_taken.push_back(&m_columns);
}

void CommandLine::takeLayouts(const QStringList& layouts, const QString& description) {
    m_layout.setValueName(layouts.join(QLatin1Char('|')));
    m_layout.setDescription(description);
    m_parser.addOption(m_layout);
    m_taken.push_back(&m_layout);
}

void CommandLine::takeArguments(const QString& name, const QString& description,
                                const QString& syntax) {
    m_parser.addPositionalArgument(name, description, syntax);
}

bool CommandLine::parseCommand(int* status) {
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    if (!m_parser.parse(m_arguments)) {
        *status = misuse(parseError());
        return false;
    }
    if (m_parser.isSet(m_help) || m_parser.isSet(m_version)) {
        *status = answerHelpOrVersion();
        return false;
    }
    // The same option twice is a misuse, not the last one winning.
    for (const QCommandLineOption* option : m_taken) {
        if (m_parser.values(*option).size() > 1) {
            *status = misuse();
            return false;
        }
    }
    return true;
}

QStringList CommandLine::arguments() const {
    return m_parser.positionalArguments().mid(1);
}

QString CommandLine::output() const {
    return takes(m_output) ? m_parser.value(m_output) : QString();
}

QString CommandLine::format() const {
    QString format = m_parser.value(m_format).toLower();
    if (format.isEmpty()) {
        return m_formats.front();
    }
    if (m_formats.contains(format)) {
        return format;
    }
    misuse(QStringLiteral("未知的输出格式：%1").arg(format));
    return {};
}

QString CommandLine::columns() const {
    return takes(m_columns) ? m_parser.value(m_columns) : QString();
}

QString CommandLine::layout() const {
    return takes(m_layout) ? m_parser.value(m_layout).toLower() : QString();
}

bool CommandLine::processGiven() const {
    return takes(m_process) && m_parser.isSet(m_process);
}

std::vector<Process> CommandLine::processes() const {
    std::vector<Process> processes;
    const QString wanted = processGiven() ? m_parser.value(m_process).toLower() : QString();
    for (const ProcessName& name : kProcessNames) {
        if (wanted.isEmpty() || wanted == toQString(name.key)) {
            processes.push_back(name.process);
        }
    }
    if (processes.empty()) {
        misuse(QStringLiteral("未知的焊接方法：%1").arg(wanted));
    }
    return processes;
}

int CommandLine::misuse(const QString& reason) const {
    if (!reason.isEmpty()) {
        say(reason);
    }
    // Qt's usage line, and where to read more.
    const QString usage = m_parser.helpText().section(QLatin1Char('\n'), 0, 0);
    say(QStringLiteral("%1（velmora-cli %2--help 查看说明）")
            .arg(usage, m_command.isEmpty() ? QString() : m_command + QLatin1Char(' ')));
    return kMisuse;
}

int CommandLine::print(const QByteArray& bytes, int status) const {
    const QString file = output();
    if (file.isEmpty()) {
        return writeOut(bytes) ? status : kWriteFailed;
    }
    QString error;
    if (!saveOutput(file, bytes, &error)) {
        say(error);
        return kWriteFailed;
    }
    return status;
}

void CommandLine::say(const QString& line) {
    writeToStream(stderr, (line + QLatin1Char('\n')).toUtf8());
}

bool CommandLine::takes(const QCommandLineOption& option) const {
    return std::find(m_taken.begin(), m_taken.end(), &option) != m_taken.end();
}

QString CommandLine::parseError() const {
    QStringList unknown = m_parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        return m_parser.errorText();
    }
    for (QString& name : unknown) {
        name.prepend(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"));
    }
    return QStringLiteral("未知选项：%1").arg(unknown.join(QLatin1Char(' ')));
}

// --help and --version go to standard output, whatever --output says.
int CommandLine::answerHelpOrVersion() const {
    const QString text = m_parser.isSet(m_help)
                             ? m_parser.helpText()
                             : QStringLiteral("velmora-cli %1\n规则库指纹：%2\n")
                                   .arg(toQString(kVersion), answers::ruleFingerprint());
    return writeOut(text.toUtf8()) ? kDone : kWriteFailed;
}

} // namespace velmora::cli
