#include "ui/sheet_output.h"

#include "selection/selection_model.h"
#include "sheet/answer_sheet.h"
#include "ui/notice_box.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <utility>

namespace velmora::ui {
namespace {

sheet::AnswerSheet sheetOf(const SelectionModel& selection, const QDateTime& when) {
    const auto [slot1, slot2] = selection.slotTexts();
    return sheet::answerSheetFor(slot1, slot2, when);
}

} // namespace

SheetOutput::SheetOutput(const SelectionModel& selection, QWidget* window)
    : QObject(window)
    , selection_(selection)
    , window_(window) {}

SheetOutput::~SheetOutput() = default;

// The dialogs open without an event loop of their own, like the notices; the printer
// stays, so a second print starts from the printer chosen before.
QPrinter* SheetOutput::chosenPrinter() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageSize(QPageSize(QPageSize::A4));
        printer_->setDocName(QStringLiteral("焊材选用单"));
    }
    return printer_.get();
}

void SheetOutput::print() {
    auto* dialog = new QPrintDialog(chosenPrinter(), window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, qOverload<QPrinter*>(&QPrintDialog::accepted), this,
            [this](QPrinter* printer) { printSheet(*printer); });
    dialog->open();
}

// The preview asks for the pages on its own printer, and again on the real one when
// printed from there: both are drawn as a print is.
void SheetOutput::preview() {
    auto* dialog = new QPrintPreviewDialog(chosenPrinter(), window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { printSheet(*printer); });
    dialog->open();
}

void SheetOutput::setClock(std::function<QDateTime()> now) {
    now_ = std::move(now);
}

// A printer that cannot be opened, and a job the spooler or the file refuses at the
// end, are said; either way nothing has been printed.
void SheetOutput::printSheet(QPrinter& printer) {
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        // The printable area in device units, each direction at its own resolution:
        // resolution() is one number, which a 1200 × 600 dpi printer does not have.
        sheet::paintAnswerSheet(painter, QRectF(0, 0, printer.width(), printer.height()),
                                sheetOf(selection_, now_()));
        printed = painter.end();
    }
    if (!printed) {
        sayFailure(QStringLiteral("焊材选用单未能打印"));
    }
}

void SheetOutput::exportPdf() {
    // A documents folder that does not exist yet would send the dialog to the working
    // directory; the home folder is the better guess.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    const QString proposed = sheet::proposedSheetFileName(sheetOf(selection_, now_()).materials);
    auto* dialog =
        new QFileDialog(window_, QStringLiteral("导出 PDF"), QDir(folder).filePath(proposed),
                        QStringLiteral("PDF 文件 (*.pdf)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& file) { exportSheet(file); });
    dialog->open();
}

bool SheetOutput::exportSheet(const QString& fileName) {
    QString error;
    if (sheet::saveAnswerSheetPdf(fileName, sheetOf(selection_, now_()), &error)) {
        return true;
    }
    sayFailure(error);
    return false;
}

void SheetOutput::sayFailure(const QString& text) {
    openNotice(window_, text, QStringLiteral("提示"));
}

} // namespace velmora::ui
