#pragma once

// The forms are laid out in twips, as their tables give them; 15 twips make one
// logical pixel. Qt scales logical pixels with the display.

#include <QRect>

namespace velmora::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) noexcept {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr int toTwips(int pixels) noexcept {
    return pixels * kTwipsPerPixel;
}

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr QRect px(TwipsRect r) noexcept {
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

} // namespace velmora::ui
