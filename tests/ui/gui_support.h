#pragma once

// Small helpers shared by the GUI tests.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <optional>

// What a notice showed.
struct SeenNotice {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons;
    QWidget* owner;
};

// Notices open without an event loop of their own, so the box an action raised is up
// when the action returns. Records what it shows and presses its first button (the
// operation waiting for OK then goes on); nothing when no box is up.
inline std::optional<SeenNotice> answerNotice() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return std::nullopt;
    }
    SeenNotice seen{box->windowTitle(), box->text(), box->icon(), {}, box->parentWidget()};
    for (QAbstractButton* b : box->buttons()) {
        seen.buttons << b->text();
    }
    box->buttons().constFirst()->click();
    // The box deletes itself when the event loop comes round, which a test does not
    // run between its steps; without this, thousands of hidden boxes pile up.
    QCoreApplication::sendPostedEvents(box, QEvent::DeferredDelete);
    return seen;
}

// A check box takes clicks on its indicator; click the middle of it.
inline void clickIndicator(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

// Makes `window` the active window, as a click on it would, and waits until the
// platform says it is.
[[nodiscard]] inline bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

template <typename T> T* child(const QWidget& parent, const QString& name) {
    T* w = parent.findChild<T*>(name);
    if (w == nullptr) {
        qFatal("no child named %s", qPrintable(name));
    }
    return w;
}

// Run after each test: no window may outlive it, nor a notice stay up.
inline void verifyNothingLeftOpen() {
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }
}
