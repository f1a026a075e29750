#pragma once

#include <QFont>

namespace velmora::ui {

// The Song family: SimSun where it is installed, else AR PL UMing CN, which has the
// same metrics (half-width Latin, square CJK). The window layouts are measured for it.
QFont songFont(qreal pointSize, bool bold = false);

// The default font of both windows.
inline constexpr qreal kWindowFontPoints = 9.0;

} // namespace velmora::ui
