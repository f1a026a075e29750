#include "ui/joint_list_opener.h"

#include "ui/joint_list_window.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QWidget>

namespace velmora::ui {
namespace {

// The one local file a drag carries, or an empty string.
QString droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data != nullptr ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

JointListOpener::JointListOpener(QWidget* window)
    : QObject(window)
    , window_(window) {
    setObjectName(QStringLiteral("jointListOpener"));
    auto* open = new QAction(QStringLiteral("打开焊缝清单…"), window);
    open->setObjectName(QStringLiteral("openJointList"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &JointListOpener::chooseAndOpen);
    window->addAction(open);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool JointListOpener::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) {
        return false;
    }
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (!droppedFile(enter->mimeData()).isEmpty()) {
            enter->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = droppedFile(drop->mimeData());
        if (!file.isEmpty()) {
            drop->acceptProposedAction();
            openJointList(window_, file);
            return true;
        }
    }
    return false;
}

void JointListOpener::chooseAndOpen() {
    const QString file = QFileDialog::getOpenFileName(
        window_, QStringLiteral("打开焊缝清单"), QString(),
        QStringLiteral("焊缝清单 (*.xlsx *.csv *.tsv *.txt);;所有文件 (*)"));
    if (!file.isEmpty()) {
        openJointList(window_, file);
    }
}

} // namespace velmora::ui
