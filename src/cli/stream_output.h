#pragma once

// Standard output and standard error. The program's text is UTF-8 throughout; a pipe
// or a file gets those bytes unchanged, on every system. A Windows console gets the
// text as UTF-16 instead (WriteConsoleW), which shows Chinese in whatever code page
// the console is in and leaves that code page alone: it belongs to the console, and
// the console outlives the program.

#include <QByteArray>

#include <cstdio>

namespace velmora::cli {

// On Windows, no CRLF translation on the standard streams (and no end of input at a
// Ctrl+Z byte); elsewhere nothing to do.
void useBinaryStandardStreams();

// Writes all of `utf8` to `stream` (stdout or stderr) and flushes it; false when
// that failed.
bool writeToStream(std::FILE* stream, const QByteArray& utf8);

// From now on what is written to standard output and standard error is appended to
// `out` and `err` instead, and standard input reads `in` (when given), until this is
// called with nulls: how tests run the commands in their own process.
void captureStandardStreams(QByteArray* out, QByteArray* err, const QByteArray* in = nullptr);

// All of standard input, or what captureStandardStreams() gave in its place; false
// when reading failed.
bool readStandardInput(QByteArray* bytes);

} // namespace velmora::cli
