#include "ui/notice_box.h"

#include "ui/core_text.h"

#include <QMessageBox>
#include <QPushButton>

namespace velmora::ui {

void showNotice(QWidget* owner, const Notice& notice) {
    QMessageBox box(QMessageBox::NoIcon, toQString(notice.title), toQString(notice.text),
                    QMessageBox::Ok, owner);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

} // namespace velmora::ui
