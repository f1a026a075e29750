#include "ui/text_fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace velmora::ui {

bool fitsItsRoom(const QFont& font, const TextRoom& text) {
    const QFontMetrics metrics(font);
    if (text.wraps) {
        const QRect room(QPoint(0, 0), text.room);
        return room.contains(
            metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text.text));
    }
    const bool wideEnough =
        text.room.width() == 0 || metrics.horizontalAdvance(text.text) <= text.room.width();
    return wideEnough && metrics.height() <= text.room.height();
}

QFont largestFittingFont(const QFont& font, std::span<const TextRoom> texts) {
    return largestFittingFont(font, [&texts](const QFont& f) {
        return std::all_of(texts.begin(), texts.end(),
                           [&f](const TextRoom& t) { return fitsItsRoom(f, t); });
    });
}

QFont largestFittingFont(QFont font, const std::function<bool(const QFont&)>& fits) {
    for (qreal points = font.pointSizeF(); points >= kSmallestFitPoints;
         points -= kFitStepPoints) {
        font.setPointSizeF(points);
        if (fits(font)) {
            return font;
        }
    }
    return font;
}

void fitLabelsFont(const QList<QLabel*>& labels, const std::function<bool()>& fits) {
    if (labels.isEmpty()) {
        return;
    }
    const QFont font = largestFittingFont(labels.front()->font(), [&](const QFont& f) {
        for (QLabel* l : labels) {
            l->setFont(f);
        }
        return fits();
    });
    for (QLabel* l : labels) {
        l->setFont(font);
    }
}

TextRoom captionRoom(const QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    return {box->text(), QSize(box->width() - contents.left(), box->height())};
}

TextRoom captionRoom(const QPushButton* button, bool wraps) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return {button->text(), contents.size(), wraps};
}

TextRoom captionRoom(const QLabel* label) {
    return {label->text(), label->contentsRect().size(), label->wordWrap()};
}

} // namespace velmora::ui
