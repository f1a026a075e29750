#pragma once

// Ends the program as soon as `window` has painted for the first time, so that a
// start-up benchmark measures start, first paint and shut-down, nothing else.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

class QuitWhenShown : public QObject {
public:
    explicit QuitWhenShown(QWidget* window)
        : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};
