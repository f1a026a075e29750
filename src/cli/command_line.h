#pragma once

// The command line of velmora-cli, read in two steps as QCommandLineParser is meant
// for commands: parse() as far as the command's name, then that command says what it
// takes and everything is parsed again. So each command has its own --help, and an
// option it does not take is unknown to it. Every misuse is found in that second
// step: an option's value, the number of arguments, an output that must be given;
// what the command reads afterwards has been checked and is only read.

#include "cli/exit_status.h"
#include "joints/joint_list.h"
#include "recommend/recommend.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <vector>

namespace velmora::cli {

class CommandLine {
public:
    // `commands`: the names the first argument may take, for the usage line;
    // `description`: what --help says before the options.
    CommandLine(QStringList arguments, const QStringList& commands, const QString& description);

    // The first step: the command's name, empty when none is given. Options before it
    // are left for later, unless there is no command to take them.
    QString commandName();

    // The first step found no command: --help, --version or a misuse.
    int runWithoutCommand(const QString& name);

    // Before the second step, the command says what it takes.
    void beginCommand(const QString& name, const QString& summary, const QString& description);
    void takeProcess(const QString& description);
    void takeFormats(const QStringList& formats); // the first is the default
    void takeLayouts(const QStringList& layouts, const QString& description);
    void takeColumns(const QString& description);
    void takeSheet(const QString& description);
    // With `missing`, the output must be given, and `missing` says so when it is not.
    void takeOutput(const QString& description, const QString& missing = {});
    // From `fewest` to `most` arguments; `tooFew` and `tooMany` say why, where a count
    // is wrong, before the usage line. A command that takes none says nothing.
    struct Count {
        int fewest = 0;
        int most = 0;
        QString tooFew;
        QString tooMany;
    };
    void takeArguments(const QString& name, const QString& description, const QString& syntax,
                       const Count& count);

    // What --help says of each option and argument the command takes, unwrapped.
    QStringList descriptions() const;

    // The second step; false after a misuse has been said (status kMisuse), or after
    // --help or --version has been answered (status in `status`).
    bool parseCommand(int* status);

    // What the command was given, all checked: its arguments after its name, --output
    // (empty when not given), --format (the default when not given), the processes
    // asked for (the one --process names, or all four in button order), --layout
    // (empty when not given), --columns (empty when not given) and --sheet (empty when
    // not given). Without --format, the output file's extension chooses among the
    // formats (".csv", ".json"), else the default.
    QStringList arguments() const;
    QString output() const { return m_outputFile; }
    QString format() const { return m_formatChosen; }
    bool processGiven() const { return m_processGiven; }
    std::vector<Process> processes() const { return m_processesChosen; }
    QString layout() const { return m_layoutChosen; }
    const ColumnChoice& columns() const { return m_columnsChosen; }
    QString sheet() const { return m_parser.value(m_sheet); }

    // Writes `bytes` to the file --output names or to standard output; `status`, or
    // kWriteFailed after saying why.
    int print(const QByteArray& bytes, int status = kDone) const;
    static void say(const QString& line);

private:
    bool takes(const QCommandLineOption& option) const;
    QString parseError() const;
    // Whether the options' values and the arguments are right; where not, `reason`
    // says why (empty where the usage line alone says it).
    bool checkCommand(QString* reason);
    // Says `reason` (if any) and the command's usage line; kMisuse.
    int misuse(const QString& reason = {});
    // Qt's help, with the program's name where Qt puts the path it was started from.
    QString helpText() const;
    int answerHelpOrVersion();

    QStringList m_arguments;
    QString m_command;
    bool m_parsed = false;
    QCommandLineParser m_parser;
    QCommandLineOption m_help{{"h", "help"}, QStringLiteral("显示本说明。")};
    QCommandLineOption m_version{{"v", "version"}, QStringLiteral("显示版本。")};
    QCommandLineOption m_process{{"p", "process"}, QString(), QStringLiteral("smaw|mag|gtaw|saw")};
    QCommandLineOption m_format{{"f", "format"}, QString(), QString()};
    QCommandLineOption m_layout{{"l", "layout"}, QString(), QString()};
    QCommandLineOption m_columns{{"c", "columns"}, QString(), QStringLiteral("columns")};
    QCommandLineOption m_output{{"o", "output"}, QString(), QStringLiteral("file")};
    QCommandLineOption m_sheet{{"s", "sheet"}, QString(), QStringLiteral("name")};
    QStringList m_argumentDescriptions;
    QStringList m_formats;
    QStringList m_layouts;
    QString m_outputMissing;
    Count m_count;
    std::vector<const QCommandLineOption*> m_taken;

    QString m_outputFile;
    QString m_formatChosen;
    bool m_processGiven = false;
    std::vector<Process> m_processesChosen;
    QString m_layoutChosen;
    ColumnChoice m_columnsChosen;
};

} // namespace velmora::cli
