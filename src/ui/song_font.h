#pragma once

#include <QFont>

namespace velmora::ui {

// The Song family: SimSun where it is installed, else AR PL UMing CN, which has the
// same metrics (half-width Latin, square CJK). The window layouts are measured for it.
// Where neither is installed, a CJK serif face stands in (see text_fit.h for its size).
QFont songFont(qreal pointSize, bool bold = false);

// Whether one of the Song faces is installed.
bool songFaceInstalled();

// The default font of both windows.
inline constexpr qreal kWindowFontPoints = 9.0;

} // namespace velmora::ui
