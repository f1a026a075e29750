// Renders the two windows as the README shows them: the main window with two
// materials ticked, and the results window answering for them, its SMAW button down;
// and the answer sheet for the same two materials, as an image of the A4 page.
// Usage: velmora_screenshots OUTPUT_DIR

#include "sheet/answer_sheet.h"
#include "ui/application_setup.h"
#include "ui/main_window.h"
#include "ui/results_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    velmora::ui::prepareApplication();

    velmora::ui::MainWindow main;
    main.show();
    main.findChild<QCheckBox*>(QStringLiteral("chk6"))->setChecked(true); // 16MnR
    main.findChild<QCheckBox*>(QStringLiteral("chk2"))->setChecked(true); // Q235-B,C
    QApplication::processEvents();
    if (!main.grab().save(out.filePath(QStringLiteral("main-window.png")))) {
        return 1;
    }

    main.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    velmora::ui::ResultsWindow* results = main.resultsWindow();
    results->findChild<QPushButton*>(QStringLiteral("CommandSMAW"))->click();
    QApplication::processEvents();
    if (!results->grab().save(out.filePath(QStringLiteral("results-window.png")))) {
        return 1;
    }
    results->close();

    // A4 at 96 dots per inch (times the scale factor), 20 mm margins, as the PDF has.
    const qreal dpi = 96 * app.devicePixelRatio();
    const qreal perMm = dpi / 25.4;
    QImage page(QSize(qRound(210 * perMm), qRound(297 * perMm)), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF printable(20 * perMm, 20 * perMm, 170 * perMm, 257 * perMm);
        velmora::sheet::paintAnswerSheet(
            painter, printable,
            velmora::sheet::answerSheetFor("16MnR", "Q235-B,C", QDateTime::currentDateTime()));
    }
    if (!page.save(out.filePath(QStringLiteral("answer-sheet.png")))) {
        return 1;
    }
    return 0;
}
