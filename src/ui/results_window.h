#pragma once

// The results window (Form2): the materials line, one button per welding process and
// the three output fields.
//
// process button → recommend(process, slot 1, slot 2) → three texts written, or a
// notice. Closing empties the window, hides it and hands control back to the main
// window, which keeps this one window and opens it again for the next visit.

#include "recommend/recommend.h"

#include <QWidget>

class QLabel;

namespace velmora {
class SelectionModel;
}

namespace velmora::ui {

class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the slots of `selection` at every button press.
    explicit ResultsWindow(const SelectionModel& selection, QWidget* parent = nullptr);

    // Shows the window centred at its laid-out size, writes the materials line and
    // fits the width to it.
    void open(const QString& materialsLine);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void runProcess(Process process);
    void write(const Recommendation& texts);
    void fitWidthToMaterialsLine();
    void widenToShowOutputs();

    const SelectionModel& selection_;
    QLabel* materials_ = nullptr;
    QLabel* materialsHeading_ = nullptr;
    QLabel* classification_ = nullptr; // lblhtxh
    QLabel* brand_ = nullptr;          // lblhtph
    QLabel* gas_ = nullptr;            // lblqtlx
};

} // namespace velmora::ui
