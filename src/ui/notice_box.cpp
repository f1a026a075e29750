#include "ui/notice_box.h"

#include "ui/core_text.h"

#include <QMessageBox>
#include <QPushButton>

namespace velmora::ui {

QMessageBox* openNotice(QWidget* owner, const Notice& notice) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, toQString(notice.title),
                                toQString(notice.text), QMessageBox::Ok, owner);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
    box->open();
    return box;
}

} // namespace velmora::ui
