#include "cli/command_output.h"

namespace velmora::cli {

std::optional<Joint> jointFrom(const CommandLine& line) {
    const auto joint = jointNamed(line.arguments());
    if (const QString* reason = std::get_if<QString>(&joint)) {
        CommandLine::say(*reason);
        return std::nullopt;
    }
    return std::get<Joint>(joint);
}

void appendRows(std::vector<AnswerRow>& rows, const std::array<AnswerRow, kProcessCount>& every,
                const std::vector<Process>& processes) {
    for (Process process : processes) {
        rows.push_back(every[static_cast<std::size_t>(process)]);
    }
}

int printTsv(const CommandLine& line, const QByteArray& tsv, const std::string& problem) {
    if (tsv.isEmpty()) {
        CommandLine::say(QStringLiteral("规则文本含有制表符或换行，不能写成 TSV：%1")
                             .arg(QString::fromStdString(problem)));
        return kWriteFailed;
    }
    return line.print(tsv);
}

int printRows(const CommandLine& line, std::span<const AnswerRow> rows,
              const answers::ListColumns* list) {
    if (line.format() == QLatin1String("csv")) {
        return line.print(answers::asCsv(rows, list));
    }
    if (line.format() == QLatin1String("json")) {
        return line.print(answers::asJson(rows, list));
    }
    std::string problem;
    const QByteArray tsv = answers::asTsv(rows, &problem, list);
    return printTsv(line, tsv, problem);
}

} // namespace velmora::cli
