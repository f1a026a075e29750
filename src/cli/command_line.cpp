#include "cli/command_line.h"

#include <QFileInfo>

#include "answers/rule_fingerprint.h"
#include "cli/output_file.h"
#include "cli/stream_output.h"
#include "presentation/processes.h"
#include "qtext/core_text.h"
#include "version.h"

#include <QCoreApplication>
#include <QDir>

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
    m_argumentDescriptions = {summary};
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

void CommandLine::takeLayouts(const QStringList& layouts, const QString& description) {
    m_layouts = layouts;
    m_layout.setValueName(layouts.join(QLatin1Char('|')));
    m_layout.setDescription(description);
    m_parser.addOption(m_layout);
    m_taken.push_back(&m_layout);
}

void CommandLine::takeSheet(const QString& description) {
    m_sheet.setDescription(description);
    m_parser.addOption(m_sheet);
    m_taken.push_back(&m_sheet);
}

void CommandLine::takeColumns(const QString& description) {
    m_columns.setDescription(description);
    m_parser.addOption(m_columns);
    m_taken.push_back(&m_columns);
}

void CommandLine::takeOutput(const QString& description, const QString& missing) {
    m_output.setDescription(description);
    m_outputMissing = missing;
    m_parser.addOption(m_output);
    m_taken.push_back(&m_output);
}

void CommandLine::takeArguments(const QString& name, const QString& description,
                                const QString& syntax, const Count& count) {
    m_parser.addPositionalArgument(name, description, syntax);
    m_argumentDescriptions << description;
    m_count = count;
}

QStringList CommandLine::descriptions() const {
    QStringList all{m_help.description(), m_version.description()};
    for (const QCommandLineOption* option : m_taken) {
        all << option->description();
    }
    return all + m_argumentDescriptions;
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
    QString reason;
    if (!checkCommand(&reason)) {
        *status = misuse(reason);
        return false;
    }
    return true;
}

bool CommandLine::checkCommand(QString* reason) {
    // The same option twice is a misuse, not the last one winning.
    for (const QCommandLineOption* option : m_taken) {
        if (m_parser.values(*option).size() > 1) {
            return false;
        }
    }
    if (takes(m_format)) {
        m_formatChosen = m_parser.value(m_format).toLower();
        const QString extension = QFileInfo(m_parser.value(m_output)).suffix().toLower();
        if (m_formatChosen.isEmpty() && m_formats.contains(extension)) {
            m_formatChosen = extension;
        } else if (m_formatChosen.isEmpty()) {
            m_formatChosen = m_formats.front();
        } else if (!m_formats.contains(m_formatChosen)) {
            *reason = QStringLiteral("未知的输出格式：%1").arg(m_formatChosen);
            return false;
        }
    }
    if (takes(m_process)) {
        m_processGiven = m_parser.isSet(m_process);
        const QString wanted = m_processGiven ? m_parser.value(m_process).toLower() : QString();
        for (const ProcessName& name : kProcessNames) {
            if (wanted.isEmpty() || wanted == toQString(name.key)) {
                m_processesChosen.push_back(name.process);
            }
        }
        if (m_processesChosen.empty()) {
            *reason = QStringLiteral("未知的焊接方法：%1").arg(wanted);
            return false;
        }
    }
    if (takes(m_layout) && m_parser.isSet(m_layout)) {
        m_layoutChosen = m_parser.value(m_layout).toLower();
        if (!m_layouts.contains(m_layoutChosen)) {
            *reason = QStringLiteral("未知的排列：%1").arg(m_layoutChosen);
            return false;
        }
    }
    if (takes(m_columns) && m_parser.isSet(m_columns)) {
        const QString given = m_parser.value(m_columns);
        const std::optional<ColumnChoice> choice = columnChoice(given.toStdString());
        if (!choice) {
            *reason = QStringLiteral("--columns 应是一列或两列的列号或表头文字，如 2,3 或 "
                                     "母材1,母材2：%1")
                          .arg(given);
            return false;
        }
        m_columnsChosen = *choice;
    }
    if (takes(m_output)) {
        m_outputFile = m_parser.value(m_output);
        if (m_outputFile.isEmpty() && !m_outputMissing.isEmpty()) {
            *reason = m_outputMissing;
            return false;
        }
    }
    const qsizetype count = arguments().size();
    if (count < m_count.fewest) {
        *reason = m_count.tooFew;
        return false;
    }
    if (count > m_count.most) {
        *reason = m_count.tooMany;
        return false;
    }
    return true;
}

QStringList CommandLine::arguments() const {
    return m_parser.positionalArguments().mid(1);
}

int CommandLine::misuse(const QString& reason) {
    if (!reason.isEmpty()) {
        say(reason);
    }
    // Qt's usage line, and where to read more.
    const QString usage = helpText().section(QLatin1Char('\n'), 0, 0);
    say(QStringLiteral("%1（velmora-cli %2--help 查看说明）")
            .arg(usage, m_command.isEmpty() ? QString() : m_command + QLatin1Char(' ')));
    return kMisuse;
}

QString CommandLine::helpText() const {
    QString text = m_parser.helpText();
    // Qt names the program by the path it was started from, /home/…/velmora-cli or
    // C:\Program Files\Velmora\velmora-cli.exe; its name is what people type.
    const QStringList started = QCoreApplication::arguments();
    if (!started.isEmpty()) {
        const QString path = QDir::toNativeSeparators(started.front());
        const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
        const qsizetype at = text.indexOf(path);
        if (!path.isEmpty() && at >= 0 && (firstLineEnd < 0 || at < firstLineEnd)) {
            text.replace(at, path.size(), QStringLiteral("velmora-cli"));
        }
    }
    return text;
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
int CommandLine::answerHelpOrVersion() {
    const QString text = m_parser.isSet(m_help)
                             ? helpText()
                             : QStringLiteral("velmora-cli %1\n规则库指纹：%2\n")
                                   .arg(toQString(kVersion), answers::ruleFingerprint());
    return writeOut(text.toUtf8()) ? kDone : kWriteFailed;
}

} // namespace velmora::cli
