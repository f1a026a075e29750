// velmora-cli: the answers of the results window on a command line, from the same
// core and tables. `velmora-cli --help` lists the commands (commands.cpp), and
// `velmora-cli COMMAND --help` tells what each one takes; the exit statuses are in
// exit_status.h.

#include "cli/exit_status.h"
#include "cli/program.h"

#include <cstdio>
#include <exception>

// Nothing escapes as a crash: running out of memory, say, ends with a line and status 3.
int main(int argc, char* argv[]) {
    try {
        return velmora::cli::runProgram(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora-cli: %s\n", e.what());
        return velmora::cli::kWriteFailed;
    }
}
