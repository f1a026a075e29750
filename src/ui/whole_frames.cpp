#include "ui/whole_frames.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velmora::ui {
namespace {

constexpr int kCaptionInset = 6; // pixels from the left edge to the caption
constexpr int kCaptionPadding = 2;

} // namespace

void drawWholeBox(QPainter& painter, const QRect& box, const QColor& colour) {
    // The window lets a widget paint the device rows from round(top) up to, not
    // including, round(bottom) of its scaled rectangle; likewise the columns.
    const QTransform toDevice = painter.deviceTransform();
    const QRectF scaled = toDevice.mapRect(QRectF(box));
    const int left = qRound(scaled.left());
    const int top = qRound(scaled.top());
    const int right = qRound(scaled.right());
    const int bottom = qRound(scaled.bottom());
    const int line = std::max(1, qRound(toDevice.m22()));

    painter.save();
    painter.setWorldTransform(toDevice.inverted()); // paint in device pixels
    painter.fillRect(left, top, right - left, line, colour);
    painter.fillRect(left, bottom - line, right - left, line, colour);
    painter.fillRect(left, top, line, bottom - top, colour);
    painter.fillRect(right - line, top, line, bottom - top, colour);
    painter.restore();
}

BoxLabel::BoxLabel(Qt::Alignment alignment, QWidget* parent)
    : QLabel(parent) {
    setAlignment(alignment);
    indentAsFramed();
}

int BoxLabel::indent() const {
    return fontMetrics().horizontalAdvance(u'x') / 2;
}

// One pixel for the border, and the indent on an aligned-to side.
void BoxLabel::indentAsFramed() {
    const int left = (alignment() & Qt::AlignLeft) ? indent() : 0;
    const int top = (alignment() & Qt::AlignTop) ? indent() : 0;
    setContentsMargins(1 + left, 1 + top, 1, 1);
}

// A framed QLabel asks for a whole "x" of indent, though it sets its text in by half.
QSize BoxLabel::sizeHint() const {
    const int x = fontMetrics().horizontalAdvance(u'x');
    const int left = (alignment() & Qt::AlignLeft) ? x - indent() : 0;
    const int top = (alignment() & Qt::AlignTop) ? x - indent() : 0;
    return QLabel::sizeHint() + QSize(left, top);
}

void BoxLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        indentAsFramed();
    }
}

void BoxLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawWholeBox(painter, rect(), palette().color(QPalette::WindowText));
}

int GroupFrame::topLineY() const {
    return fontMetrics().height() / 2;
}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor line = palette().color(QPalette::Window).darker(140);
    drawWholeBox(painter, rect().adjusted(0, topLineY(), 0, 0), line);
    if (title().isEmpty()) {
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const QRect caption(kCaptionInset, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

} // namespace velmora::ui
