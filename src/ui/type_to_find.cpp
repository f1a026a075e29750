#include "ui/type_to_find.h"

#include <QKeyEvent>
#include <QToolTip>
#include <QWidget>

#include <chrono>

namespace velmora::ui {

TypeToFind::TypeToFind(std::span<const Material* const> order)
    : search_(order) {
    clock_.start();
}

std::optional<const Material*> TypeToFind::press(const QKeyEvent& key, const Material* current) {
    const std::chrono::milliseconds now{clock_.elapsed()};
    if (key.key() == Qt::Key_Backspace) {
        return search_.erase(now, current);
    }
    const QString text = key.text();
    const bool typing = !text.isEmpty() && text.front().isPrint() && !text.front().isSpace() &&
                        !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!typing) {
        return std::nullopt;
    }
    return search_.type(text.toStdString(), now, current);
}

void TypeToFind::showTyped(QWidget* at) const {
    QToolTip::showText(at->mapToGlobal(QPoint(0, at->height())),
                       QString::fromStdString(search_.typed()), at, QRect(),
                       static_cast<int>(TypeAhead::kPause.count()) * 3 / 2);
}

} // namespace velmora::ui
