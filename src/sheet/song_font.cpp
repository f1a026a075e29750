#include "sheet/song_font.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace velmora::sheet {
namespace {

const QStringList& songFamilies() {
    static const QStringList families{QStringLiteral("SimSun"), QStringLiteral("宋体"),
                                      QStringLiteral("NSimSun"), QStringLiteral("AR PL UMing CN")};
    return families;
}

} // namespace

QFont songFont(qreal pointSize, bool bold) {
    QFont font;
    // The stand-ins are Ming faces too where they exist, so the windows keep their look.
    font.setFamilies(songFamilies() + QStringList{QStringLiteral("Noto Serif CJK SC"),
                                                  QStringLiteral("Noto Sans CJK SC"),
                                                  QStringLiteral("Microsoft YaHei")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

bool songFaceInstalled() {
    const QStringList installed = QFontDatabase::families();
    return std::any_of(songFamilies().cbegin(), songFamilies().cend(),
                       [&installed](const QString& f) { return installed.contains(f); });
}

} // namespace velmora::sheet
