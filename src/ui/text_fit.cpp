#include "ui/text_fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace velmora::ui {
namespace {

bool fits(const QFontMetrics& metrics, const TextRoom& text, int width) {
    if (text.wraps) {
        const QRect room(QPoint(0, 0), text.room);
        return room.contains(
            metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text.text));
    }
    const bool wideEnough = text.room.width() == 0 || width <= text.room.width();
    return wideEnough && metrics.height() <= text.room.height();
}

// The texts that decide at smaller sizes: of the single-line texts sharing a room,
// only the widest (a text narrower than another at one size stays narrower at the
// next); every wrapped one. `widths` holds each text's width at the size measured.
std::vector<TextRoom> decidingTexts(std::span<const TextRoom> texts,
                                    const QHash<QString, int>& widths) {
    std::vector<TextRoom> deciding;
    std::map<std::pair<int, int>, std::size_t> widestIn; // room → its entry in `deciding`
    for (const TextRoom& t : texts) {
        if (t.wraps) {
            deciding.push_back(t);
            continue;
        }
        const auto room = std::pair(t.room.width(), t.room.height());
        const auto [at, added] = widestIn.try_emplace(room, deciding.size());
        if (added) {
            deciding.push_back(t);
        } else if (widths.value(t.text) > widths.value(deciding[at->second].text)) {
            deciding[at->second] = t;
        }
    }
    return deciding;
}

} // namespace

bool fitsItsRoom(const QFont& font, const TextRoom& text) {
    const QFontMetrics metrics(font);
    return fits(metrics, text, text.wraps ? 0 : metrics.horizontalAdvance(text.text));
}

QFont largestFittingFont(const QFont& font, std::span<const TextRoom> texts) {
    // At the preferred size, which is where the Song face stops, each text is measured
    // once (a designation is a caption and a slot's text alike); only where one does
    // not fit are the deciding few measured again at smaller sizes.
    const QFontMetrics metrics(font);
    QHash<QString, int> widths;
    bool every = true;
    for (const TextRoom& t : texts) {
        int width = 0;
        if (!t.wraps) {
            const auto known = widths.constFind(t.text);
            width = known != widths.cend()
                        ? *known
                        : *widths.insert(t.text, metrics.horizontalAdvance(t.text));
        }
        every = fits(metrics, t, width) && every;
    }
    if (every) {
        return font;
    }
    const std::vector<TextRoom> deciding = decidingTexts(texts, widths);
    return largestFittingFont(font, [&deciding](const QFont& f) {
        const QFontMetrics m(f);
        return std::all_of(deciding.begin(), deciding.end(), [&m](const TextRoom& t) {
            return fits(m, t, t.wraps ? 0 : m.horizontalAdvance(t.text));
        });
    });
}

// By bisection over the quarter-point steps below `font`'s size: a stand-in face
// builds a font engine for each size it tries, so few sizes are tried. What fits at a
// size fits at every smaller one.
QFont largestFittingFont(QFont font, const std::function<bool(const QFont&)>& fits) {
    const qreal start = font.pointSizeF();
    if (fits(font)) {
        return font;
    }
    const auto steps =
        static_cast<int>(std::floor((start - kSmallestFitPoints) / kFitStepPoints + 1e-9));
    const auto sizeAt = [start](int step) { return start - step * kFitStepPoints; };
    if (steps <= 0) {
        return font;
    }
    // The step `fitting` fits, or is the smallest; `tooLarge` does not fit.
    int tooLarge = 0;
    int fitting = steps;
    font.setPointSizeF(sizeAt(fitting));
    if (!fits(font)) {
        return font; // nothing fits: the smallest
    }
    while (fitting - tooLarge > 1) {
        const int middle = (tooLarge + fitting) / 2;
        font.setPointSizeF(sizeAt(middle));
        (fits(font) ? fitting : tooLarge) = middle;
    }
    font.setPointSizeF(sizeAt(fitting));
    return font;
}

// Step by step from the top: the rule reads the labels, whose size hints follow the
// fonts they have had, so every size is asked in the same order each time.
void fitLabelsFont(const QList<QLabel*>& labels, const std::function<bool()>& fits) {
    if (labels.isEmpty()) {
        return;
    }
    QFont font = labels.front()->font();
    for (qreal points = font.pointSizeF(); points >= kSmallestFitPoints; points -= kFitStepPoints) {
        font.setPointSizeF(points);
        for (QLabel* l : labels) {
            l->setFont(font);
        }
        if (fits()) {
            return;
        }
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
