// Wall-clock time of `velmora-cli batch` over a list of 10,000 joints and a header,
// from start to exit, as someone running it sees it: the 43 designations paired in
// turn (one alone where a pair would repeat it), names holding a comma quoted. Each
// format, 11 runs; prints the median and the fastest. Then the same list as an .xlsx
// workbook answered to an .xlsx workbook (target: under 1 s).

#include "catalogue/catalogue.h"
#include "workbook/workbook_file.h"

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

// The list as a workbook's rows: the header, then the two materials of each joint.
velmora::JointsTable jointTable() {
    velmora::JointsTable table;
    table.header = {"材料1", "材料2"};
    const auto count = velmora::kMaterials.size();
    for (std::size_t i = 0; i < std::size_t(kJoints); ++i) {
        const std::size_t first = i % count;
        const std::size_t second = (i / count + first + 1) % count;
        table.rows.push_back({std::string(velmora::kMaterials[first].designation),
                              second != first ? std::string(velmora::kMaterials[second].designation)
                                              : std::string()});
    }
    return table;
}

// Runs velmora-cli `runs` times; the sorted milliseconds, or none where a run failed.
std::vector<double> timed(const QStringList& arguments) {
    std::vector<double> milliseconds;
    for (int run = 0; run < kRuns; ++run) {
        QProcess cli;
        QElapsedTimer timer;
        timer.start();
        cli.start(QStringLiteral(VELMORA_CLI), arguments);
        if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit ||
            cli.exitCode() != 0) {
            std::fprintf(stderr, "batch: velmora-cli failed: %s\n",
                         cli.readAllStandardError().constData());
            return {};
        }
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    return milliseconds;
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
        const std::vector<double> milliseconds =
            timed({"batch", "--format", format, "--output", dir.filePath("rows"), list});
        if (milliseconds.empty()) {
            return 1;
        }
        std::printf("batch: %d joints, %d rows, %s, %d runs: median %.0f ms, fastest %.0f ms\n",
                    kJoints, kJoints * 4, format, kRuns, milliseconds[milliseconds.size() / 2],
                    milliseconds.front());
    }

    QFile workbook(dir.filePath("joints.xlsx"));
    const QByteArray packed = velmora::workbook::workbookOf(jointTable());
    if (!workbook.open(QIODevice::WriteOnly) || workbook.write(packed) != packed.size()) {
        std::fprintf(stderr, "batch: cannot write %s\n", qPrintable(workbook.fileName()));
        return 1;
    }
    workbook.close();
    const std::vector<double> milliseconds =
        timed({"batch", "--output", dir.filePath("answers.xlsx"), workbook.fileName()});
    if (milliseconds.empty()) {
        return 1;
    }
    std::printf("batch: %d joints, .xlsx to .xlsx, four processes, %d runs: median %.0f ms, "
                "fastest %.0f ms (target < 1000 ms)\n",
                kJoints, kRuns, milliseconds[milliseconds.size() / 2], milliseconds.front());
    return 0;
}
