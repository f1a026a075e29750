#pragma once

// Small helpers shared by the GUI tests.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <optional>

// Waits (inside the event loop the box runs) until a modal message box is up,
// records what it showed and presses its first button. Arm it before the action
// that raises the box; afterwards `seen` tells whether one came.
class NoticeCatcher : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QStringList buttons;
        QWidget* owner;
    };

    NoticeCatcher() { poll(); }

    std::optional<Seen> seen;

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            QTimer::singleShot(0, this, [this] { poll(); });
            return;
        }
        Seen s{box->windowTitle(), box->text(), box->icon(), {}, box->parentWidget()};
        for (QAbstractButton* b : box->buttons()) {
            s.buttons << b->text();
        }
        seen = s;
        box->buttons().constFirst()->click();
    }
};

// A check box takes clicks on its indicator; click the middle of it.
inline void clickIndicator(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

template <typename T> T* child(const QWidget& parent, const QString& name) {
    T* w = parent.findChild<T*>(name);
    if (w == nullptr) {
        qFatal("no child named %s", qPrintable(name));
    }
    return w;
}
