// Velmora's own start-up, through the very function src/app/main.cpp calls (Qt's
// Chinese texts, the fonts, the command line, the main window), ended once the window
// has painted.

#include "quit_when_shown.h"
#include "ui/main_window.h"
#include "ui/velmora_program.h"

int main(int argc, char* argv[]) {
    return velmora::ui::runVelmora(
        argc, argv, [](velmora::ui::MainWindow& window) { new QuitWhenShown(&window); });
}
