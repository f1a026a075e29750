#include "cli/program.h"

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/qt_message_hold.h"
#include "cli/stream_output.h"
#include "qtext/qt_translation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

namespace velmora::cli {
namespace {

QStringList commandNames() {
    QStringList names;
    for (const Command& command : commands()) {
        names << QString::fromUtf8(command.name);
    }
    return names;
}

QString description() {
    QString text = QStringLiteral("Velmora 焊材选用的命令行版本，答案与窗口相同。\n\n");
    for (const Command& command : commands()) {
        text += QStringLiteral("  %1%2\n")
                    .arg(QString::fromUtf8(command.name).leftJustified(11),
                         commandText(command.summary));
    }
    return text + QLatin1Char('\n') + helpNotes();
}

// Only `sheet` draws, and it needs no display.
bool draws(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    CommandLine line(arguments, {}, {});
    const Command* command = commandNamed(line.commandName());
    return command != nullptr && command->draws;
}

} // namespace

QString helpNotes() {
    return QStringLiteral("材料可写全称（不区分大小写），或写括号中的牌号，如 316L、N08367。\n") +
           exitStatusText();
}

void takeCommand(CommandLine& line, const Command& command) {
    line.beginCommand(QString::fromUtf8(command.name), commandText(command.summary),
                      commandText(command.description) + QStringLiteral("\n\n") + helpNotes());
    command.setUp(line);
}

int run(const QStringList& arguments) {
    CommandLine line(arguments, commandNames(), description());
    const QString name = line.commandName();
    const Command* command = commandNamed(name);
    if (command == nullptr) {
        return line.runWithoutCommand(name);
    }
    takeCommand(line, *command);
    int status = kDone;
    if (!line.parseCommand(&status)) {
        return status;
    }
    return command->run(line);
}

int runProgram(int argc, char* argv[]) {
    useBinaryStandardStreams();
    QCoreApplication::setApplicationName(QStringLiteral("velmora-cli"));
    if (draws(argc, argv)) {
#ifndef _WIN32
        // A PDF needs no screen: offscreen whatever QT_QPA_PLATFORM says, or an xcb or
        // wayland left in the environment of an ssh session or a cron job aborts the
        // program where there is no display. (Windows' own platform needs no display,
        // and offscreen there would find no fonts.)
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        const QtMessageHold qtMessages;
        const QGuiApplication app(argc, argv);
        installQtChineseTranslation();
        return run(QCoreApplication::arguments());
    }
    const QCoreApplication app(argc, argv);
    installQtChineseTranslation();
    return run(QCoreApplication::arguments());
}

} // namespace velmora::cli
