#include "ui/screen_reader.h"

#include <QAccessible>

namespace velmora::ui {
namespace {

ScreenReaderListener& listener() {
    static ScreenReaderListener installed;
    return installed;
}

} // namespace

void announce(QAccessibleEvent& event) {
    QAccessible::updateAccessibility(&event);
    if (listener()) {
        listener()(event);
    }
}

void setScreenReaderListener(ScreenReaderListener l) {
    listener() = std::move(l);
}

} // namespace velmora::ui
