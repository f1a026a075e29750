#include "cli/command_output.h"

#include "catalogue/material_names.h"
#include "catalogue/name_texts.h"
#include "qtext/core_text.h"

namespace velmora::cli {

std::optional<Joint> jointFrom(const CommandLine& line) {
    std::vector<std::string> names;
    for (const QString& name : line.arguments()) {
        names.push_back(name.toStdString());
    }
    const auto joint = jointNamed(names);
    if (const std::string* reason = std::get_if<std::string>(&joint)) {
        CommandLine::say(QString::fromStdString(*reason));
        return std::nullopt;
    }
    // What was read, where a name is not the catalogue's own: on standard error, so
    // that the answer's lines stay as a script reads them.
    for (const Translation& t : std::get<Joint>(joint).translations) {
        CommandLine::say(toQString(readAsText(*t.known)));
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
        CommandLine::say(
            QStringLiteral(
                "有文本含有制表符或换行，不能写成 TSV（可改用 --format csv、json 或 xlsx）：%1")
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
