#pragma once

// The default font of both windows, and of the notices they raise: the Song face
// (sheet/song_font.h) at this size.

#include <QtGlobal>

namespace velmora::ui {

inline constexpr qreal kWindowFontPoints = 9.0;

} // namespace velmora::ui
