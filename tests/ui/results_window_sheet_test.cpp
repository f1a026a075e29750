// The answer sheet from the results window: exported as PDF, previewed, printed, and a
// failure to save or print said.

#include "results_support.h"
#include "selection/selection_model.h"
#include "ui/sheet_output.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

using namespace velmora;
using velmora::ui::MainWindow;
using velmora::ui::ResultsWindow;

namespace {

// The dialog an action opened, up when the action returns, as notices are.
template <typename T> T* openDialog() {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
}

// A printer that resolves twice as fine across as down, 1200 × 600 dpi, and whose
// spooler may refuse the finished job. It draws nothing; it keeps how far right the
// boxes reach, in its device units, and the texts drawn.
class SpoolEngine : public QPaintEngine, public QPrintEngine {
public:
    explicit SpoolEngine(bool accepts)
        : QPaintEngine(AllFeatures)
        , accepts_(accepts) {}
    qreal rightmost = 0;
    QStringList texts; // as drawn

    using QPaintEngine::drawLines;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return accepts_; }
    void updateState(const QPaintEngineState&) override {}
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            rightmost = std::max(rightmost, state->transform().mapRect(rects[i]).right());
        }
    }
    void drawLines(const QLineF*, int) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return User; }

    void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
    QVariant property(PrintEnginePropertyKey key) const override {
        switch (key) {
        case PPK_Resolution: // one number for both directions, as Windows reports it
            return 600;
        case PPK_QPageLayout:
            return QVariant::fromValue(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                   QMarginsF(20, 20, 20, 20),
                                                   QPageLayout::Millimeter));
        default:
            return {};
        }
    }
    bool newPage() override { return true; }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric m) const override {
        switch (m) {
        case QPaintDevice::PdmWidth: // A4 inside 20 mm margins: 170 mm × 257 mm
            return 8031;
        case QPaintDevice::PdmHeight:
            return 6071;
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmPhysicalDpiX:
            return 1200;
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiY:
            return 600;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }
    QPrinter::PrinterState printerState() const override {
        return accepts_ ? QPrinter::Idle : QPrinter::Error;
    }

private:
    bool accepts_ = true;
};

class SpoolPrinter : public QPrinter {
public:
    explicit SpoolPrinter(SpoolEngine* engine) { setEngines(engine, engine); }
};

} // namespace

class ResultsWindowSheetTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void exportWritesTheSheet();
    void previewDrawsTheExportedSheet();
    void printUsesThePrintDialog();
    void printFailureIsSaid_data();
    void printFailureIsSaid();
    void printFillsThePageAcross();
};

void ResultsWindowSheetTest::cleanup() {
    verifyResultsTestLeftNothingOpen();
}

// Ctrl+Shift+S proposes the documents folder and the materials' name; the PDF is
// written where the user says. A folder that cannot be written to is said.
void ResultsWindowSheetTest::exportWritesTheSheet() {
    MainWindow main;
    main.show();
    ResultsWindow* r = confirmWith(main, {"chk6", "chk2"});
    QVERIFY(QTest::qWaitForWindowExposed(r));
    QVERIFY(activate(r));
    QTemporaryDir dir;
    const QString chosen = dir.filePath("sheet.pdf");
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const bool madeDocuments = !documents.exists() && documents.mkpath(".");
    QTest::keyClick(r, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    auto* dialog = openDialog<QFileDialog>();
    QVERIFY(dialog);
    const QString proposed = dialog->selectedFiles().value(0);
    dialog->selectFile(chosen);
    QMetaObject::invokeMethod(dialog, "accept");
    if (madeDocuments) {
        QDir().rmdir(documents.absolutePath());
    }
    QCOMPARE(proposed, documents.filePath("焊材选用单_16MnR_Q235-B,C.pdf"));
    QFile pdf(chosen);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF-"));

    const QString unwritable = chosen + "/inside.pdf";
    QVERIFY(!r->sheetOutput().exportSheet(unwritable));
    const auto notice = answerNotice();
    QVERIFY(notice);
    QVERIFY(notice->text.startsWith("焊材选用单未能保存到"));
    QCOMPARE(notice->owner, r);
    QVERIFY(!QFile::exists(unwritable));
    r->close();
}

// Ctrl+Shift+P opens the print preview; what it draws is the sheet the PDF export
// writes, text for text, at the same moment.
void ResultsWindowSheetTest::previewDrawsTheExportedSheet() {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not available to read the exported sheet back");
    }
    MainWindow main;
    main.show();
    ResultsWindow* r = confirmWith(main, {"chk6", "chk2"});
    QVERIFY(QTest::qWaitForWindowExposed(r));
    QVERIFY(activate(r));
    r->sheetOutput().setClock([] { return QDateTime(QDate(2026, 12, 28), QTime(12, 58)); });
    QTest::keyClick(r, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* dialog = openDialog<QPrintPreviewDialog>();
    QVERIFY(dialog);
    SpoolEngine engine(true);
    SpoolPrinter printer(&engine);
    emit dialog->paintRequested(&printer); // as the preview asks for its pages
    dialog->reject();

    QTemporaryDir dir;
    QVERIFY(r->sheetOutput().exportSheet(dir.filePath("sheet.pdf")));
    QProcess reader;
    reader.start(pdftotext, {dir.filePath("sheet.pdf"), "-"});
    QVERIFY(reader.waitForFinished());
    // Compared without spaces; pdftotext also reads the sheet's "--" as one "-".
    const auto plain = [](QString text) {
        return text.remove(QRegularExpression("\\s")).replace(QRegularExpression("-+"), "-");
    };
    const QString exported = plain(QString::fromUtf8(reader.readAllStandardOutput()));
    const QString drawn = plain(engine.texts.join(QString()));
    QVERIFY2(drawn.contains("2026-12-2812:58") && drawn.contains("焊条电弧焊(SMAW)"),
             qPrintable(drawn));
    for (const QString& text : std::as_const(engine.texts)) {
        QVERIFY2(exported.contains(plain(text)), qPrintable(text));
    }
    r->close();
}

// Ctrl+P asks with the print dialog; the sheet goes to the printer as one page.
void ResultsWindowSheetTest::printUsesThePrintDialog() {
#ifdef Q_OS_WIN
    QSKIP("On Windows QPrintDialog shows the system's print dialog, not a widget to find");
#endif
    MainWindow main;
    main.show();
    ResultsWindow* r = confirmWith(main, {"chk28"});
    QVERIFY(QTest::qWaitForWindowExposed(r));
    QVERIFY(activate(r));
    QTest::keyClick(r, Qt::Key_P, Qt::ControlModifier);
    auto* dialog = openDialog<QPrintDialog>();
    QVERIFY(dialog);
    // The sheet is an A4 page, and the dialog offers A4 whatever the locale's default.
    QCOMPARE(dialog->printer()->pageLayout().pageSize().id(), QPageSize::A4);
    dialog->reject();
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    r->sheetOutput().printSheet(printer);
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page/"), 1);
    r->close();
}

void ResultsWindowSheetTest::printFailureIsSaid_data() {
    QTest::addColumn<bool>("spoolerRefuses");
    QTest::newRow("to a file in a folder that does not exist") << false;
    QTest::newRow("the spooler refuses the finished job") << true;
}

void ResultsWindowSheetTest::printFailureIsSaid() {
    QFETCH(bool, spoolerRefuses);
    SelectionModel model;
    ResultsWindow r(model);
    r.open(QString());
    QTemporaryDir dir;
    SpoolEngine refusing(false);
    std::unique_ptr<QPrinter> printer;
    if (spoolerRefuses) {
        printer = std::make_unique<SpoolPrinter>(&refusing);
    } else {
        printer = std::make_unique<QPrinter>();
        printer->setOutputFileName(dir.filePath("missing/sheet.pdf"));
    }
    r.sheetOutput().printSheet(*printer);
    QVERIFY(isNotice(answerNotice(), "焊材选用单未能打印", &r));
    r.close();
}

// The sheet spans the printable width of a printer finer across than down.
void ResultsWindowSheetTest::printFillsThePageAcross() {
    SelectionModel model;
    ResultsWindow r(model);
    r.open(QString());
    SpoolEngine engine(true);
    SpoolPrinter printer(&engine);
    r.sheetOutput().printSheet(printer);
    QVERIFY(!answerNotice());
    QCOMPARE(qRound(engine.rightmost), printer.width());
    r.close();
}

QTEST_MAIN(ResultsWindowSheetTest)
#include "results_window_sheet_test.moc"
