#pragma once

// The commands of velmora-cli: each adds its own options and arguments to the command
// line, then runs on what it was given.

#include <QString>

#include <span>

namespace velmora::cli {

class CommandLine;

struct Command {
    const char* name = "";
    const char* summary = "";     // a line in the list of commands, UTF-8 (commandText)
    const char* description = ""; // the start of the command's own --help (commandText)
    bool draws = false;           // needs QGuiApplication
    void (*setUp)(CommandLine&) = nullptr;
    int (*run)(const CommandLine&) = nullptr;
};

std::span<const Command> commands();
// Null when no command has the name.
const Command* commandNamed(const QString& name);

// A summary or description as it is shown: its counts ({materials}, {processes},
// {rows}) filled in from the catalogue and the tables.
QString commandText(const char* text);

} // namespace velmora::cli
