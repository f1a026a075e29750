#pragma once

// Helpers shared by the results window's tests: reaching the window through the main
// window, pressing its process buttons, reading its answer fields.

#include "gui_support.h"
#include "ui/main_window.h"
#include "ui/results_window.h"

#include <QLabel>
#include <QPushButton>

#include <optional>

// The four process buttons, in the window's order.
inline const char* const kButtons[] = {"CommandSMAW", "CommandMAG", "CommandGTAW", "CommandSAW"};

// The three answer fields: classification, brand, gas.
inline QStringList fields(const QWidget& w) {
    return {child<QLabel>(w, "lblhtxh")->text(), child<QLabel>(w, "lblhtph")->text(),
            child<QLabel>(w, "lblqtlx")->text()};
}

// Ticks through the main window's boxes and confirms; returns the results window.
inline velmora::ui::ResultsWindow* confirmWith(velmora::ui::MainWindow& main,
                                               const QStringList& boxes) {
    for (const QString& name : boxes) {
        clickIndicator(child<QCheckBox>(main, name));
    }
    QTest::mouseClick(child<QPushButton>(main, "Command1"), Qt::LeftButton);
    return main.resultsWindow();
}

// Press a process button; a notice it raises is answered and returned.
inline std::optional<SeenNotice> press(QWidget& results, const char* button) {
    QTest::mouseClick(child<QPushButton>(results, button), Qt::LeftButton);
    return answerNotice();
}

// A notice of this window: the text given, titled 提示, no icon, one 确定 button.
inline bool isNotice(const std::optional<SeenNotice>& seen, const QString& text,
                     const QWidget* owner) {
    return seen && seen->text == text && seen->title == "提示" &&
           seen->icon == QMessageBox::NoIcon && seen->buttons == QStringList{"确定"} &&
           seen->owner == owner;
}

// The button that stands down, or "" when none does.
inline QString markedButton(const QWidget& w) {
    QString down;
    for (const char* name : kButtons) {
        const auto* b = child<QPushButton>(w, name);
        if (!b->isCheckable()) {
            return "not checkable";
        }
        if (b->isChecked()) {
            down += name;
        }
    }
    return down;
}

// Run after each test: nothing left open, and no more top-level widgets than the
// main window and the results window it keeps.
inline void verifyResultsTestLeftNothingOpen() {
    verifyNothingLeftOpen();
    QVERIFY(QApplication::topLevelWidgets().size() < 3);
}
