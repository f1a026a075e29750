#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace velmora::ui {

// The top-left corner for a window frame of `frame` size centred on `centre` and kept
// inside `available`; where the frame does not fit, it starts at the available area's
// left or top edge, so that the title bar can always be reached.
QPoint centredInside(QSize frame, QPoint centre, QRect available);

// Where to move() a window whose frame lies `margins` around its client area of
// `client` size (a title bar above, borders about) so that the frame, not the client
// area, is centred: the frame's top-left corner, as centredInside gives it.
QPoint framePlacement(QSize client, QMargins margins, QPoint centre, QRect available);

// Moves a top-level window so that its frame is centred on its screen's free area; a
// window not yet shown goes to the primary screen.
void centreOnScreen(QWidget* window);

// Moves a top-level window onto `anchor`'s screen, its frame centred over `anchor`'s.
void centreOver(QWidget* window, const QWidget* anchor);

} // namespace velmora::ui
