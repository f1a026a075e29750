// Velmora's own start-up (as in src/app/main.cpp), ended once the window has painted.

#include "quit_when_shown.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    velmora::ui::MainWindow window;
    new QuitWhenShown(&window);
    window.show();
    return QApplication::exec();
}
