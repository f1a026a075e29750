#include "ui/notice_box.h"

#include "qtext/core_text.h"

#include <QMessageBox>
#include <QPushButton>

namespace velmora::ui {

QMessageBox* openNotice(QWidget* owner, const QString& text, const QString& title) {
    // Clicks that arrive while a notice is up (queued, or sent by a program) get that
    // notice, not a second one on top of it.
    if (QMessageBox* open = openNoticeOf(owner)) {
        return open;
    }
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
    box->open();
    return box;
}

QMessageBox* openNotice(QWidget* owner, const Notice& notice) {
    return openNotice(owner, toQString(notice.text), toQString(notice.title));
}

QMessageBox* openNoticeOf(const QWidget* owner) {
    for (QMessageBox* box : owner->findChildren<QMessageBox*>(Qt::FindDirectChildrenOnly)) {
        if (box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

} // namespace velmora::ui
