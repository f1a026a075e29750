#include "ui/app_icon.h"

namespace velmora::ui {

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/velmora/icons/velmora-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace velmora::ui
