#pragma once

// velmora-cli as a whole: the command line read, the command run, its exit status
// (exit_status.h). main() is only this.

namespace velmora::cli {

int runProgram(int argc, char* argv[]);

} // namespace velmora::cli
