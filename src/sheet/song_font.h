#pragma once

#include <QFont>

namespace velmora::sheet {

// The Song family: SimSun where it is installed, else AR PL UMing CN, which has the
// same metrics (half-width Latin, square CJK). The window layouts are measured for it.
// Where neither is installed, a CJK serif face stands in (see ui/text_fit.h for its size).
QFont songFont(qreal pointSize, bool bold = false);

// Whether one of the Song faces is installed.
bool songFaceInstalled();

} // namespace velmora::sheet
