#pragma once

// velmora-cli as a whole: the command line read, the command run, its exit status
// (exit_status.h). main() is only this.

#include <QStringList>

namespace velmora::cli {

class CommandLine;
struct Command;

int runProgram(int argc, char* argv[]);

// The command line as the program's arguments give it (the program's name first), run
// in a QCoreApplication that is already there; its exit status.
int run(const QStringList& arguments);

// Before the command line is parsed for `command`: what it takes, and what its --help
// says.
void takeCommand(CommandLine& line, const Command& command);

// What every --help ends its description with: how materials are named, and the exit
// statuses.
QString helpNotes();

} // namespace velmora::cli
