#pragma once

#include "selection/notice.h"

class QMessageBox;
class QString;
class QWidget;

namespace velmora::ui {

// Opens the notice as a message box modal to `owner`: no icon, one button that reads
// "确定". Returns at once, without an event loop of its own; whatever waits for OK
// connects to the box's finished(), after which the box deletes itself. While `owner`
// has a notice open, that notice is returned and no other is opened.
QMessageBox* openNotice(QWidget* owner, const QString& text, const QString& title);
// The same for one of the core's notices.
QMessageBox* openNotice(QWidget* owner, const Notice& notice);

// The notice open on `owner`, if any.
QMessageBox* openNoticeOf(const QWidget* owner);

} // namespace velmora::ui
