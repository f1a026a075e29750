#pragma once

// The answer sheet of the results window on paper or as PDF: the dialogs that ask
// where to, the printer kept from one print to the next, and the notices that say
// what failed. The sheet is always that of the selection's slots at that moment.

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace velmora {
class SelectionModel;
}

namespace velmora::ui {

class SheetOutput : public QObject {
    Q_OBJECT
public:
    // The dialogs and notices open over `window`, which owns this object.
    SheetOutput(const SelectionModel& selection, QWidget* window);
    ~SheetOutput() override;

    // Opens the print dialog without an event loop of its own; prints once accepted.
    void print();
    // Opens Qt's print preview of the same sheet, from which it can be printed.
    void preview();
    // Opens the save dialog on the proposed file in the documents folder; exports
    // once a file is chosen.
    void exportPdf();

    // Prints the sheet; a failure is said in a notice.
    void printSheet(QPrinter& printer);
    // Writes the sheet as PDF; a failure is said in a notice.
    bool exportSheet(const QString& fileName);

    // The moment the sheet gives; the clock's by default.
    void setClock(std::function<QDateTime()> now);

private:
    QPrinter* chosenPrinter();
    void sayFailure(const QString& text);

    const SelectionModel& selection_;
    QWidget* window_ = nullptr;
    std::unique_ptr<QPrinter> printer_; // the one chosen last time
    std::function<QDateTime()> now_ = &QDateTime::currentDateTime;
};

} // namespace velmora::ui
