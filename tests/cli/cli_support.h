#pragma once

// Running velmora-cli, and any other program, from the command-line tests; the pinned
// answers of the rule base. VELMORA_CLI and VELMORA_ANSWERS_TSV are defined by the
// build.

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
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
           const QByteArray& input = {}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline Run
runCli(const QStringList& arguments,
       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    return runProgram(QStringLiteral(VELMORA_CLI), arguments, environment);
}

// velmora-cli with `input` on standard input.
inline Run runCli(const QStringList& arguments, const QByteArray& input) {
    return runProgram(QStringLiteral(VELMORA_CLI), arguments,
                      QProcessEnvironment::systemEnvironment(), input);
}

inline QByteArray pinnedAnswers() {
    QFile file(QStringLiteral(VELMORA_ANSWERS_TSV));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
