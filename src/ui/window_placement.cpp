#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velmora::ui {
namespace {

// Before a window is first shown its frame is not known yet: no margins.
void placeFrame(QWidget* window, const QScreen* screen, QPoint centre) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    // move() places the frame's top-left corner of a top-level window.
    window->move(framePlacement(client.size(), margins, centre, screen->availableGeometry()));
}

} // namespace

QPoint centredInside(QSize frame, QPoint centre, QRect available) {
    const auto along = [](int size, int centreAt, int low, int room) {
        const int start = centreAt - size / 2;
        return std::max(low, std::min(start, low + room - size));
    };
    return {along(frame.width(), centre.x(), available.left(), available.width()),
            along(frame.height(), centre.y(), available.top(), available.height())};
}

QPoint framePlacement(QSize client, QMargins margins, QPoint centre, QRect available) {
    return centredInside(client.grownBy(margins), centre, available);
}

// A window not shown yet counts as on whatever screen holds its default position,
// which need not be the primary one; it opens on the primary screen instead.
void centreOnScreen(QWidget* window) {
    QScreen* screen = window->isVisible() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    window->setScreen(screen);
    placeFrame(window, screen, screen->availableGeometry().center());
}

void centreOver(QWidget* window, const QWidget* anchor) {
    QScreen* screen = anchor->screen();
    if (screen == nullptr) {
        centreOnScreen(window);
        return;
    }
    window->setScreen(screen);
    placeFrame(window, screen, anchor->frameGeometry().center());
}

} // namespace velmora::ui
