#include "answers/answer_formats.h"

#include "answers/rule_fingerprint.h"
#include "qtext/core_text.h"
#include "recommend/processes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <array>

namespace velmora::answers {
namespace {

void append(QByteArray& out, std::string_view text) {
    out.append(text.data(), static_cast<qsizetype>(text.size()));
}

using Record = std::array<std::string_view, 8>;

constexpr Record kHeader{"line",    "process", "material1", "material2",
                         "outcome", "text1",   "text2",     "text3"};

// line, process, material 1, material 2, outcome, text 1, text 2, text 3; the line
// number's digits are kept in `number`.
Record fields(const AnswerRow& row, std::string& number) {
    number = std::to_string(row.line);
    Record f{number, processName(row.answer.process).key, row.material1, row.material2,
             outcomeName(row.answer.outcome)};
    if (const auto* texts = std::get_if<Recommendation>(&row.answer.outcome)) {
        f[5] = (*texts)[0];
        f[6] = (*texts)[1];
        f[7] = (*texts)[2];
    }
    return f;
}

std::span<const std::string_view> columns(const Record& record, LineColumn lines) {
    return std::span(record).subspan(lines == LineColumn::With ? 0 : 1);
}

void appendCsvField(QByteArray& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        append(out, field);
        return;
    }
    out.append('"');
    for (char c : field) {
        if (c == '"') {
            out.append('"');
        }
        out.append(c);
    }
    out.append('"');
}

void appendCsvRecord(QByteArray& out, std::span<const std::string_view> record) {
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0) {
            out.append(',');
        }
        appendCsvField(out, record[i]);
    }
    out.append("\r\n");
}

bool appendTsvRecord(QByteArray& out, std::span<const std::string_view> record,
                     std::string* problem) {
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (record[i].find_first_of("\t\r\n") != std::string_view::npos) {
            if (problem != nullptr) {
                *problem = std::string(record[i]);
            }
            return false;
        }
        if (i > 0) {
            out.append('\t');
        }
        append(out, record[i]);
    }
    out.append('\n');
    return true;
}

} // namespace

QByteArray asText(std::span<const AnswerRow> rows) {
    QByteArray out;
    for (const AnswerRow& row : rows) {
        if (!out.isEmpty()) {
            out.append('\n');
        }
        append(out, processName(row.answer.process).caption);
        out.append('\n');
        if (const auto* texts = std::get_if<Recommendation>(&row.answer.outcome)) {
            for (std::string_view text : *texts) {
                append(out, text);
                out.append('\n');
            }
        } else {
            append(out, kNoConsumableText);
            out.append('\n');
        }
    }
    return out;
}

QByteArray asJson(std::span<const AnswerRow> rows, LineColumn lines) {
    const QString rules = ruleFingerprint();
    QJsonArray array;
    for (const AnswerRow& row : rows) {
        QJsonArray materials;
        for (std::string_view m : {row.material1, row.material2}) {
            if (!m.empty()) {
                materials.append(toQString(m));
            }
        }
        QJsonArray texts;
        if (const auto* recommendation = std::get_if<Recommendation>(&row.answer.outcome)) {
            for (std::string_view text : *recommendation) {
                texts.append(toQString(text));
            }
        }
        QJsonObject object{{"process", toQString(processName(row.answer.process).key)},
                           {"materials", materials},
                           {"outcome", toQString(outcomeName(row.answer.outcome))},
                           {"texts", texts},
                           {"rules", rules}};
        if (lines == LineColumn::With) {
            object.insert("line", row.line);
        }
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray asCsv(std::span<const AnswerRow> rows, LineColumn lines) {
    // The byte-order mark tells Excel the file is UTF-8; without it, Chinese Windows
    // opens it as GBK.
    QByteArray out("\xEF\xBB\xBF");
    appendCsvRecord(out, columns(kHeader, lines));
    std::string number;
    for (const AnswerRow& row : rows) {
        const Record record = fields(row, number);
        appendCsvRecord(out, columns(record, lines));
    }
    return out;
}

QByteArray asTsv(std::span<const AnswerRow> rows, std::string* problem, LineColumn lines) {
    QByteArray out;
    appendTsvRecord(out, columns(kHeader, lines), problem);
    std::string number;
    for (const AnswerRow& row : rows) {
        const Record record = fields(row, number);
        if (!appendTsvRecord(out, columns(record, lines), problem)) {
            return {};
        }
    }
    return out;
}

} // namespace velmora::answers
