// Wall-clock time of `velmora-cli batch` over a list of 10,000 joints and a header,
// from start to exit, as someone running it sees it: the 43 designations paired in
// turn (one alone where a pair would repeat it), names holding a comma quoted. Each
// format, 11 runs; prints the median and the fastest.

#include "catalogue/catalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kJoints = 10000;
constexpr int kRuns = 11;

QByteArray csvName(std::string_view designation) {
    QByteArray name(designation.data(), qsizetype(designation.size()));
    if (name.contains(',') || name.contains('"')) {
        name.replace("\"", "\"\"");
        name = '"' + name + '"';
    }
    return name;
}

QByteArray jointList() {
    QByteArray list = "材料1,材料2\n";
    const auto count = velmora::kMaterials.size();
    for (std::size_t i = 0; i < std::size_t(kJoints); ++i) {
        const std::size_t first = i % count;
        const std::size_t second = (i / count + first + 1) % count;
        list += csvName(velmora::kMaterials[first].designation);
        if (second != first) {
            list += ',' + csvName(velmora::kMaterials[second].designation);
        }
        list += '\n';
    }
    return list;
}

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString list = dir.filePath("joints.csv");
    QFile file(list);
    const QByteArray bytes = jointList();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "batch: cannot write %s\n", qPrintable(list));
        return 1;
    }
    file.close();

    for (const char* format : {"tsv", "json"}) {
        std::vector<double> milliseconds;
        for (int run = 0; run < kRuns; ++run) {
            QProcess cli;
            QElapsedTimer timer;
            timer.start();
            cli.start(QStringLiteral(VELMORA_CLI),
                      {"batch", "--format", format, "--output", dir.filePath("rows"), list});
            if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit ||
                cli.exitCode() != 0) {
                std::fprintf(stderr, "batch: velmora-cli failed: %s\n",
                             cli.readAllStandardError().constData());
                return 1;
            }
            milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(milliseconds.begin(), milliseconds.end());
        std::printf("batch: %d joints, %d rows, %s, %d runs: median %.0f ms, fastest %.0f ms\n",
                    kJoints, kJoints * 4, format, kRuns, milliseconds[milliseconds.size() / 2],
                    milliseconds.front());
    }
    return 0;
}
