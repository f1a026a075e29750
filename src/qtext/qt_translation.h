#pragma once

// Qt's own texts (usage lines, context menus, standard dialogs) in Simplified Chinese,
// like everything else the programs say: for the windows and for velmora-cli alike.

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velmora {

// Loads Qt's Simplified Chinese translation from Qt's translations folder into the
// running application, which owns it. Returns false, leaving Qt's texts in English,
// where that translation is not installed.
inline bool installQtChineseTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace velmora
