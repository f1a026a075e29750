#pragma once

// Running velmora-cli from the command-line tests: in the test's own process through
// its library, or as a program of its own for what only a process shows (its platform,
// a stream the shell opens). The pinned answers of the rule base. VELMORA_CLI and
// VELMORA_ANSWERS_TSV are defined by the build.

#include "cli/program.h"
#include "cli/stream_output.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTest>

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

inline Run
runProgram(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The program itself, in `environment`.
inline Run
runCliProcess(const QStringList& arguments,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    return runProgram(QStringLiteral(VELMORA_CLI), arguments, environment);
}

// The command line run in this process, with `input` on its standard input.
inline Run runCli(const QStringList& arguments, const QByteArray& input = {}) {
    Run run;
    velmora::cli::captureStandardStreams(&run.out, &run.err, &input);
    run.status = velmora::cli::run(QStringList{QStringLiteral("velmora-cli")} + arguments);
    velmora::cli::captureStandardStreams(nullptr, nullptr);
    return run;
}

inline QByteArray pinnedAnswers() {
    QFile file(QStringLiteral(VELMORA_ANSWERS_TSV));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
