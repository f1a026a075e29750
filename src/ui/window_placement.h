#pragma once

class QWidget;

namespace velmora::ui {

// Moves a top-level window so that its frame is centred on its screen's free area.
void centreOnScreen(QWidget* window);

} // namespace velmora::ui
