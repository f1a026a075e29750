#include "ui/notice_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace velmora::ui {

void showNotice(QWidget* owner, const Notice& notice) {
    const auto text = [](std::string_view s) {
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    };
    QMessageBox box(QMessageBox::NoIcon, text(notice.title), text(notice.text), QMessageBox::Ok,
                    owner);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

} // namespace velmora::ui
