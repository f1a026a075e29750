// Renders the two windows as the README shows them: the main window with two
// materials ticked, and the results window answering for them, its SMAW button down;
// the answer sheet for the same two materials, as an image of the A4 page; and the
// joint-list window showing a list with a title row, a note over two lines and a
// joint still blank.
// Usage: velmora_screenshots OUTPUT_DIR

#include "sheet/answer_sheet.h"
#include "ui/application_setup.h"
#include "ui/joint_list_window.h"
#include "ui/main_window.h"
#include "ui/results_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

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

    QTemporaryDir dir;
    QFile list(dir.filePath(QStringLiteral("XX项目焊缝清单.csv")));
    if (!list.open(QIODevice::WriteOnly) ||
        list.write("XX 项目焊缝清单\r\n焊缝编号,母材1,母材2,备注\r\n"
                   "W-001,16MnR,0Cr18Ni9(304),\"储罐接管\r\n（现场确认）\"\r\n"
                   "W-002,Q345R,S30408,\r\nW-003,15CrMo,\"Q235-B,C\",\r\nW-004,,,待定\r\n") < 0) {
        return 1;
    }
    list.close();
    velmora::ui::JointListWindow* joints = velmora::ui::openJointList(nullptr, list.fileName());
    if (joints == nullptr) {
        return 1;
    }
    joints->findChild<QComboBox*>(QStringLiteral("processChoice"))->setCurrentIndex(1);
    joints->resize(1020, 300);
    QApplication::processEvents();
    return joints->grab().save(out.filePath(QStringLiteral("joint-list-window.png"))) ? 0 : 1;
}
