#include "ui/application_setup.h"

#include "sheet/song_font.h"
#include "ui/window_font.h"

#include "qtext/qt_translation.h"

#include <QApplication>

namespace velmora::ui {

void prepareApplication() {
    installQtChineseTranslation();
    QApplication::setFont(sheet::songFont(kWindowFontPoints));
}

} // namespace velmora::ui
