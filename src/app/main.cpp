#include "qtext/core_text.h"
#include "ui/application_setup.h"
#include "ui/main_window.h"
#include "version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(velmora::toQString(velmora::kVersion));
#ifdef VELMORA_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
#endif
    velmora::ui::prepareApplication(app);

    velmora::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
