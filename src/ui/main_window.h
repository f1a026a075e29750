#pragma once

// The main window (Form1): the catalogue as 43 check boxes in fourteen frames, the
// two selection slots, the clear and confirm buttons, a clock and a usage notice.
//
// tick/untick of a box → SelectionModel::tick/untick → slots and boxes shown again;
// cmdqc → SelectionModel::clear; Command1 → SelectionModel::confirm → notice, or
// this window hidden and the results window opened with the materials line;
// a letter typed → TypeToFind → TypeAhead::type → focus on the material whose name starts so.

#include "catalogue/catalogue.h"
#include "selection/selection_model.h"
#include "ui/type_to_find.h"

#include <QDateTime>
#include <QWidget>

#include <array>
#include <chrono>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace velmora::ui {

class ClockLabel;
class ResultsWindow;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // `now` gives the clock's moments; the system's clock when not given.
    explicit MainWindow(QWidget* parent = nullptr, std::function<QDateTime()> now = {});
    ~MainWindow() override;

    // The results window: made by the first confirm, then hidden and reused by every
    // later one; null before that.
    ResultsWindow* resultsWindow() const;

    // The clock that times the keys typed to find a material (a steady clock by
    // default), so that a test decides how far apart its keys come.
    void setTypingClock(std::function<std::chrono::milliseconds()> clock);

signals:
    // Emitted after this window has been hidden and the results window shown.
    void resultsOpened(const QString& materialsLine);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildCatalogue();
    void buildSideColumn();
    QCheckBox* boxOf(const Material& m) const;
    void boxToggled(const Material& material, bool ticked);
    void clearSelection();
    void confirmSelection();
    void openResults(const QString& materialsLine);
    void showModel();
    void refreshClock();
    const Material* focusedMaterial() const;
    void fitFontsToTheLayout();

    SelectionModel model_;
    std::array<QCheckBox*, kMaterialCount> boxes_{};
    std::array<const Material*, kMaterialCount> focusOrder_{}; // the boxes' Tab order
    TypeToFind typeToFind_{focusOrder_};
    std::function<QDateTime()> now_;
    std::function<std::chrono::milliseconds()> typingClock_ = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    };
    QLabel* slot1_ = nullptr;
    QLabel* slot2_ = nullptr;
    ClockLabel* clock_ = nullptr;
    QLabel* notice_ = nullptr;
    std::array<QLabel*, 3> headings_{};
    QPushButton* clear_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    std::unique_ptr<ResultsWindow> results_; // after model_, which it reads
};

} // namespace velmora::ui
