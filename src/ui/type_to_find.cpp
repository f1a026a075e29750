#include "ui/type_to_find.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QToolTip>
#include <QWidget>

#include <chrono>

namespace velmora::ui {

TypeToFind::TypeToFind(std::span<const Material* const> order)
    : search_(order) {}

std::optional<const Material*> TypeToFind::press(const QKeyEvent& key, const Material* current,
                                                 std::chrono::milliseconds when) {
    if (key.key() == Qt::Key_Backspace) {
        return search_.erase(when, current);
    }
    const QString text = key.text();
    const bool typing = !text.isEmpty() && text.front().isPrint() && !text.front().isSpace() &&
                        !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!typing) {
        return std::nullopt;
    }
    return search_.type(text.toStdString(), when, current);
}

QFont TypeToFind::typedTextFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({font.family(), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Consolas"),
                      QStringLiteral("Courier New"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// In the Song face "l" and "1" look alike, and "316l" would read "3161": the typed
// text shows in a fixed-pitch face, which tells them apart.
void TypeToFind::showTyped(QWidget* at) const {
    const QString typed = QString::fromStdString(search_.typed());
    const QString html =
        QStringLiteral("<span style=\"font-family:'%1'; white-space:pre\">%2</span>")
            .arg(QFontInfo(typedTextFont()).family(), typed.toHtmlEscaped());
    QToolTip::showText(at->mapToGlobal(QPoint(0, at->height())), html, at, QRect(),
                       static_cast<int>(TypeAhead::kPause.count()) * 3 / 2);
}

} // namespace velmora::ui
