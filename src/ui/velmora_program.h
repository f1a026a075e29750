#pragma once

// Velmora as main() starts it: the application with Qt's Chinese texts and the Song
// font, the command line (--help, --version), the main window. The start-up
// benchmark starts it through this same function, so that it measures what runs.

#include <functional>

namespace velmora::ui {

class MainWindow;

// `shown`, when given, sees the main window just before it is shown (the benchmark
// ends the program once it has painted). Returns the program's exit status.
int runVelmora(int argc, char* argv[], const std::function<void(MainWindow&)>& shown = {});

} // namespace velmora::ui
