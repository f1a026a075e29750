#pragma once

#include "selection/notice.h"

class QWidget;

namespace velmora::ui {

// Shows the notice as a modal message box owned by `owner`: no icon, one button
// that reads "确定". Returns when the user has pressed it.
void showNotice(QWidget* owner, const Notice& notice);

} // namespace velmora::ui
