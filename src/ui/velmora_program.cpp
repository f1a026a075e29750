#include "ui/velmora_program.h"

#include "answers/rule_fingerprint.h"
#include "qtext/core_text.h"
#include "ui/application_setup.h"
#include "ui/main_window.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

namespace velmora::ui {
namespace {

// "velmora 1.0" and the rule base's fingerprint.
QString versionText() {
    return QStringLiteral("velmora %1\n规则库指纹：%2\n")
        .arg(toQString(kVersion), answers::ruleFingerprint());
}

// Whether --version was asked for; the rest (--help, a misuse) Qt has answered and
// ended the program.
bool asksForVersion(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Velmora 焊材选用"));
    parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("显示版本与规则库指纹。"));
    parser.addOption(version);
    parser.process(app);
    return parser.isSet(version);
}

#ifndef Q_OS_WIN
// --version and --help print and end: they need no window, so no display either.
bool onlyAsksToBeTold(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-v", "--version", "-h", "--help", "-?", "--help-all"}) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}
#endif

} // namespace

int runVelmora(int argc, char* argv[], const std::function<void(MainWindow&)>& shown) {
#ifndef Q_OS_WIN
    if (onlyAsksToBeTold(argc, argv)) {
        const QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        if (asksForVersion(app)) {
            std::fputs(versionText().toUtf8().constData(), stdout);
        }
        return 0;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(toQString(kVersion));
#ifdef VELMORA_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
#endif
    prepareApplication();
    if (asksForVersion(app)) {
        // A Windows GUI program has no console to write to: there it is said in a
        // message box, as Qt's own --version does.
        QMessageBox::information(nullptr, QStringLiteral("Velmora"), versionText().trimmed());
        return 0;
    }
    MainWindow window;
    if (shown) {
        shown(window);
    }
    window.show();
    return QApplication::exec();
}

} // namespace velmora::ui
