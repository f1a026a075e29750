#pragma once

// The layouts in twips were measured for the Song face. The stand-in CJK face where
// it is missing, a substituted face or an odd resolution can draw taller and wider at
// the same point size: captions lose their ends and rows run into one another. These
// helpers find the largest size at which every text still fits the place it is given,
// so the geometry can stay as it is.

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>
#include <span>

class QCheckBox;
class QLabel;
class QPushButton;

namespace velmora::ui {

// A text and the room it has, in pixels. A width of 0 leaves the width free (a label
// that sizes itself to its text); a wrapped text breaks into lines at the room's width.
struct TextRoom {
    QString text;
    QSize room;
    bool wraps = false;
};

bool fitsItsRoom(const QFont& font, const TextRoom& text);

// The sizes tried: a quarter point apart, no smaller than 5 pt.
inline constexpr qreal kFitStepPoints = 0.25;
inline constexpr qreal kSmallestFitPoints = 5.0;

// `font` when every text fits its room; otherwise the largest size below it, on the
// quarter-point steps down from it and no smaller than 5 pt, at which every text does
// (the smallest step where none does). Found by bisection; each text is measured once
// at `font`'s size, and at smaller ones only the widest text of each room.
QFont largestFittingFont(const QFont& font, std::span<const TextRoom> texts);
// The same search, with what "fits" means left to `fits`.
QFont largestFittingFont(QFont font, const std::function<bool(const QFont&)>& fits);
// The same for rules that read the labels themselves (their size hints): each size,
// a quarter point apart from the labels' own down, is set on all `labels` before `fits`
// is asked, and they keep the first that fits. Not bisected: a label's size hint
// follows the fonts it has had.
void fitLabelsFont(const QList<QLabel*>& labels, const std::function<bool()>& fits);

// The room a widget gives its caption: a check box's beside its indicator, a push
// button's inside its bevel (wrapped when `wraps`), a label's inside its frame.
TextRoom captionRoom(const QCheckBox* box);
TextRoom captionRoom(const QPushButton* button, bool wraps = false);
TextRoom captionRoom(const QLabel* label);

} // namespace velmora::ui
