// velmora-cli: the answers of the results window on a command line, from the same
// core and tables. `velmora-cli --help` lists the commands (commands.cpp), and
// `velmora-cli COMMAND --help` tells what each one takes.
//
// Exit status: 0 done (with --process: an answer given), 1 the process has no rule
// for the materials, 2 misuse, 3 the output could not be written.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/qt_message_hold.h"
#include "cli/stream_output.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <exception>

namespace {

using namespace velmora::cli;

const char* const kNotes =
    "材料可写全称（不区分大小写），或写括号中的牌号，如 316L、N08367。\n"
    "退出状态：0 完成，1 该焊接方法没有这两种材料的规则，2 用法错误，3 无法写出结果。";

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
                         QString::fromUtf8(command.summary));
    }
    return text + QLatin1Char('\n') + QString::fromUtf8(kNotes);
}

int run(const QStringList& arguments) {
    CommandLine line(arguments, commandNames(), description());
    const QString name = line.commandName();
    const Command* command = commandNamed(name);
    if (command == nullptr) {
        return line.runWithoutCommand(name);
    }
    line.beginCommand(name, QString::fromUtf8(command->summary),
                      QString::fromUtf8(command->description) + QStringLiteral("\n\n") +
                          QString::fromUtf8(kNotes));
    command->setUp(line);
    int status = kDone;
    if (!line.parseCommand(&status)) {
        return status;
    }
    return command->run(line);
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
bool draws(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    CommandLine line(arguments, {}, {});
    const Command* command = commandNamed(line.commandName());
    return command != nullptr && command->draws;
}

int start(int argc, char* argv[]) {
    useBinaryStandardStreams();
    QCoreApplication::setApplicationName(QStringLiteral("velmora-cli"));
    QTranslator translator;
    if (draws(argc, argv)) {
#ifndef _WIN32
        // A PDF needs no screen: offscreen whatever QT_QPA_PLATFORM says, or an xcb or
        // wayland left in the environment of an ssh session or a cron job aborts the
        // program where there is no display. (Windows' own platform needs no display,
        // and offscreen there would find no fonts.)
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        QtMessageHold qtMessages;
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
