#pragma once

#include <QIcon>

namespace velmora::ui {

// The application icon at 16, 32 and 48 pixels.
QIcon appIcon();

} // namespace velmora::ui
