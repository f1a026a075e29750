// Velmora: the main window, from which the results window opens. Everything the
// program does at start-up is in runVelmora(), which the start-up benchmark runs too.

#include "ui/velmora_program.h"

int main(int argc, char* argv[]) {
    return velmora::ui::runVelmora(argc, argv);
}
