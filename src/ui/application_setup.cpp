#include "ui/application_setup.h"

#include "sheet/song_font.h"
#include "ui/window_font.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velmora::ui {

bool installQtChineseTranslation(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void prepareApplication(QApplication& app) {
    installQtChineseTranslation(app);
    QApplication::setFont(sheet::songFont(kWindowFontPoints));
}

} // namespace velmora::ui
