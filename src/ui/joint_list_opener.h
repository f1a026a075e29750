#pragma once

// How a joint list reaches the desktop program: dropped on the main window, or opened
// from its right-click menu ("打开焊缝清单…", Ctrl+O). Each opens a joint-list window
// (joint_list_window.h); the main window's own layout and keys stay as they are.

#include <QObject>

class QWidget;

namespace velmora::ui {

class JointListOpener : public QObject {
    Q_OBJECT
public:
    // Installs itself on `window`, whose child it becomes.
    explicit JointListOpener(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseAndOpen();
    QWidget* window_;
};

} // namespace velmora::ui
