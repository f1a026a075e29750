#include "answers/rule_fingerprint.h"
#include "qtext/core_text.h"
#include "ui/application_setup.h"
#include "ui/main_window.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>

namespace {

// "velmora 1.0" and the rule base's fingerprint. A Windows GUI program has no console
// to write to, so there it is said in a message box, as Qt's own --version does.
void showVersion() {
    const QString text =
        QStringLiteral("velmora %1\n规则库指纹：%2\n")
            .arg(velmora::toQString(velmora::kVersion), velmora::answers::ruleFingerprint());
#ifdef Q_OS_WIN
    QMessageBox::information(nullptr, QStringLiteral("Velmora"), text.trimmed());
#else
    std::fputs(text.toUtf8().constData(), stdout);
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(velmora::toQString(velmora::kVersion));
#ifdef VELMORA_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
#endif
    velmora::ui::prepareApplication(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Velmora 焊材选用"));
    parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("显示版本与规则库指纹。"));
    parser.addOption(version);
    parser.process(app);
    if (parser.isSet(version)) {
        showVersion();
        return 0;
    }

    velmora::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
