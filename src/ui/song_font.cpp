#include "ui/song_font.h"

#include <QStringList>

namespace velmora::ui {

QFont songFont(qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                      QStringLiteral("AR PL UMing CN")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace velmora::ui
