#pragma once

// Boxes drawn on the device pixels a widget really gets. At a fractional scale (1.25,
// 1.75) a widget's edges fall between device pixels; the window rounds the area it
// lets the widget paint, while the widget draws its own frame at unrounded places, so
// a bottom or right line can fall just outside and vanish. These frames draw their
// lines on the outermost rows and columns the widget owns, whatever the scale.

#include <QGroupBox>
#include <QLabel>

class QPainter;

namespace velmora::ui {

// A one-pixel (times the scale, rounded) box along `box`, given in the painter's
// logical coordinates; the painter must have no transform of its own.
void drawWholeBox(QPainter& painter, const QRect& box, const QColor& colour);

// A label with a single-line border. Its text stands and its size hint comes out as a
// framed QLabel's do: text set in by half an "x" from a left or top border.
class BoxLabel : public QLabel {
public:
    BoxLabel(Qt::Alignment alignment, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void indentAsFramed();
    int indent() const;
};

// A captioned frame whose top line runs through the middle of the caption, which
// stands a little in from the left, so the rows below it keep clear of the line.
class GroupFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // Where the top line runs, in the frame's coordinates.
    int topLineY() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora::ui
