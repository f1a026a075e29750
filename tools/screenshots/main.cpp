// Renders the two windows as the README shows them: the main window with two
// materials ticked, and the results window answering for them.
// Usage: velmora_screenshots OUTPUT_DIR

#include "ui/main_window.h"
#include "ui/results_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

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
    return 0;
}
