#pragma once

// The command line of velmora-cli, read in two steps as QCommandLineParser is meant
// for commands: parse() as far as the command's name, then that command adds its
// options and arguments and everything is parsed again. So each command has its own
// --help, and an option it does not take is unknown to it.

#include "recommend/recommend.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <vector>

namespace velmora::cli {

enum Status { kDone = 0, kNoRule = 1, kMisuse = 2, kWriteFailed = 3 };

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
    void takeOutput(const QString& description);
    // --columns and --layout, of a joint list.
    void takeColumns(const QString& description);
    void takeLayouts(const QStringList& layouts, const QString& description);
    void takeArguments(const QString& name, const QString& description, const QString& syntax);

    // The second step; false after a misuse has been said (status kMisuse), or after
    // --help or --version has been answered (status in `status`).
    bool parseCommand(int* status);

    // What the command was given: its arguments after its name, --output (empty when
    // not given), --format (the default when not given, empty after a misuse has been
    // said), and the processes asked for: the one --process names, or all four in
    // button order (empty after a misuse has been said).
    QStringList arguments() const;
    QString output() const;
    QString format() const;
    bool processGiven() const;
    std::vector<Process> processes() const;
    // --columns as given, empty when not; --layout in lower case, empty when not given.
    QString columns() const;
    QString layout() const;

    // Says `reason` (if any) and the command's usage line; kMisuse.
    int misuse(const QString& reason = {}) const;
    // Writes `bytes` to the file --output names or to standard output; `status`, or
    // kWriteFailed after saying why.
    int print(const QByteArray& bytes, int status = kDone) const;
    static void say(const QString& line);

private:
    bool takes(const QCommandLineOption& option) const;
    QString parseError() const;
    int answerHelpOrVersion() const;

    QStringList m_arguments;
    QString m_command;
    bool m_parsed = false;
    QCommandLineParser m_parser;
    QCommandLineOption m_help{{"h", "help"}, QStringLiteral("显示本说明。")};
    QCommandLineOption m_version{{"v", "version"}, QStringLiteral("显示版本。")};
    QCommandLineOption m_process{{"p", "process"}, QString(), QStringLiteral("smaw|mag|gtaw|saw")};
    QCommandLineOption m_format{{"f", "format"}, QString(), QString()};
    QCommandLineOption m_output{{"o", "output"}, QString(), QStringLiteral("file")};
    QCommandLineOption m_columns{{"c", "columns"}, QString(), QStringLiteral("columns")};
    QCommandLineOption m_layout{{"l", "layout"}, QString(), QString()};
    QStringList m_formats;
    std::vector<const QCommandLineOption*> m_taken;
};

} // namespace velmora::cli
