#pragma once

// The results window (Form2): the materials line, one button per welding process and
// the three output fields.
//
// process button → recommend(process, slot 1, slot 2) → three texts written, or a
// notice. Closing empties the window, hides it and hands control back to the main
// window, which keeps this one window and opens it again for the next visit.
// Copy (Ctrl+C) → the answer on display as plain text; print (Ctrl+P) and export as
// PDF (Ctrl+Shift+S) → the answer sheet of the slots, all four processes.

#include "recommend/recommend.h"

#include <QWidget>

#include <array>
#include <optional>

class QAction;
class QLabel;
class QPushButton;

namespace velmora {
class SelectionModel;
}

namespace velmora::ui {

class AnswerField;
class SheetOutput;

class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the slots of `selection` at every button press.
    explicit ResultsWindow(const SelectionModel& selection, QWidget* parent = nullptr);
    ~ResultsWindow() override;

    // Starts from the laid-out form with no process marked, writes the materials line,
    // fits the width to it and shows the window, centred over `over` on its screen, or
    // on this window's screen when there is none.
    void open(const QString& materialsLine, const QWidget* over = nullptr);

    // The answer on display, one item a line: the materials line trimmed, the caption
    // of the process that gave it, its three texts; empty when none is on display.
    QString answerText() const;
    // The answer sheet of the slots on paper, in a preview or as PDF.
    SheetOutput& sheetOutput() const { return *sheetOutput_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildActions();
    void copyAnswer();
    void runProcess(Process process);
    void write(Process process, const Recommendation& texts);
    void markAnswered(std::optional<Process> process);
    void fitWidthToMaterialsLine();
    void widenToShowOutputs();
    void placeOverAnchor();
    void fitFontsToTheLayout();

    const SelectionModel& selection_;
    QLabel* materials_ = nullptr;
    QLabel* materialsHeading_ = nullptr;
    AnswerField* classification_ = nullptr; // lblhtxh
    AnswerField* brand_ = nullptr;          // lblhtph
    AnswerField* gas_ = nullptr;            // lblqtlx
    std::optional<Process> shown_;          // the process whose texts are on display
    Recommendation shownTexts_{};           // and those texts
    QAction* copy_ = nullptr;
    SheetOutput* sheetOutput_ = nullptr;
    std::array<QPushButton*, kProcessCount> buttons_{}; // in process order
    const QWidget* anchor_ = nullptr;                   // centred over it, on its screen
};

} // namespace velmora::ui
