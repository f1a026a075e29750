#include "answers/answer_formats.h"

#include "answers/rule_fingerprint.h"
#include "catalogue/name_texts.h"
#include "presentation/answer_table.h"
#include "presentation/notices.h"
#include "presentation/processes.h"
#include "qtext/core_text.h"

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

using Record = std::vector<std::string_view>;

// The row's cells under the list's other columns, one for each heading; a line with
// fewer cells than the list has columns has empty ones after its last.
Record carriedCells(const AnswerRow& row, const ListColumns& list) {
    Record cells;
    for (std::size_t i = 0; i < list.headings.size(); ++i) {
        cells.push_back(i < row.carried.size() ? std::string_view(row.carried[i]) : "");
    }
    return cells;
}

// A record of the answer's own columns after the list's: line number (kept in
// `number`) and carried cells, where the rows come from a list.
Record listPart(const AnswerRow& row, const ListColumns* list, std::string& number) {
    Record r;
    if (list != nullptr) {
        number = std::to_string(row.line);
        r.push_back(number);
        const Record carried = carriedCells(row, *list);
        r.insert(r.end(), carried.begin(), carried.end());
    }
    return r;
}

Record header(const ListColumns* list) {
    Record r;
    if (list != nullptr) {
        r.push_back("line");
        r.insert(r.end(), list->headings.begin(), list->headings.end());
    }
    r.insert(r.end(), kAnswerColumns.begin(), kAnswerColumns.end());
    return r;
}

Record fields(const AnswerRow& row, const ListColumns* list, std::string& number) {
    Record r = listPart(row, list, number);
    const auto own = answerFields(row);
    r.insert(r.end(), own.begin(), own.end());
    return r;
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

void appendCsvRecord(QByteArray& out, const Record& record) {
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0) {
            out.append(',');
        }
        appendCsvField(out, record[i]);
    }
    out.append("\r\n");
}

// The byte-order mark tells Excel the file is UTF-8; without it, Chinese Windows opens
// it as GBK.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

QByteArray csvOf(const std::vector<Record>& records) {
    QByteArray out;
    append(out, kByteOrderMark);
    for (const Record& record : records) {
        appendCsvRecord(out, record);
    }
    return out;
}

QByteArray tsvOf(const std::vector<Record>& records, std::string* problem) {
    std::string out;
    for (const Record& record : records) {
        if (!appendTsvRecord(out, record, problem)) {
            return {};
        }
    }
    return QByteArray::fromStdString(out);
}

QJsonObject answerObject(const AnswerRow& row) {
    QJsonArray texts;
    if (const auto* recommendation = std::get_if<Recommendation>(&row.answer.outcome)) {
        for (std::string_view text : *recommendation) {
            texts.append(toQString(text));
        }
    }
    return {{"process", toQString(processName(row.answer.process).key)},
            {"outcome", toQString(outcomeName(row.answer.outcome))},
            {"texts", texts}};
}

// The joint's own keys: its materials, and, from a list, its line and other cells.
void addJoint(QJsonObject& object, const AnswerRow& row, const ListColumns* list) {
    QJsonArray materials;
    for (std::string_view m : {row.material1, row.material2}) {
        if (!m.empty()) {
            materials.append(toQString(m));
        }
    }
    object.insert("materials", materials);
    if (!row.translations.empty()) {
        QJsonArray read;
        for (const Translation& t : row.translations) {
            read.append(QJsonObject{{"typed", QString::fromStdString(t.typed)},
                                    {"name", toQString(t.known->name)},
                                    {"material", toQString(t.known->designation)},
                                    {"kind", toQString(nameKindKey(t.known->kind))},
                                    {"standard", toQString(t.known->standard)},
                                    {"text", toQString(readAsText(*t.known))}});
        }
        object.insert("translations", read);
    }
    if (list == nullptr) {
        return;
    }
    object.insert("line", row.line);
    QJsonArray carried;
    const Record cells = carriedCells(row, *list);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        carried.append(
            QJsonObject{{"column", toQString(list->headings[i])}, {"text", toQString(cells[i])}});
    }
    object.insert("carried", carried);
}

std::vector<Record> rowRecords(std::span<const AnswerRow> rows, const ListColumns* list,
                               std::vector<std::string>& numbers) {
    std::vector<Record> records{header(list)};
    numbers.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        records.push_back(fields(rows[i], list, numbers[i]));
    }
    return records;
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

QByteArray asJson(std::span<const AnswerRow> rows, const ListColumns* list) {
    const QString rules = ruleFingerprint();
    QJsonArray array;
    for (const AnswerRow& row : rows) {
        QJsonObject object = answerObject(row);
        addJoint(object, row, list);
        object.insert("rules", rules);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray asCsv(std::span<const AnswerRow> rows, const ListColumns* list) {
    std::vector<std::string> numbers;
    return csvOf(rowRecords(rows, list, numbers));
}

QByteArray asTsv(std::span<const AnswerRow> rows, std::string* problem, const ListColumns* list) {
    std::vector<std::string> numbers;
    return tsvOf(rowRecords(rows, list, numbers), problem);
}

QByteArray jointsAsJson(const JointList& list, std::span<const Process> processes) {
    const QString rules = ruleFingerprint();
    ListColumns columns;
    for (const JointList::Column& column : list.carried) {
        columns.headings.push_back(carriedHeading(column));
    }
    QJsonArray array;
    for (const JointList::Entry& entry : list.entries) {
        const Joint unfilled;
        const Joint& joint = entry.joint ? *entry.joint : unfilled;
        const auto every = rowsFor(joint.material1, joint.material2, entry.line, entry.carried,
                                   joint.translations);
        QJsonObject object;
        addJoint(object, every[0], &columns);
        QJsonArray answers;
        for (Process process : processes) {
            if (entry.joint) {
                answers.append(answerObject(every[static_cast<std::size_t>(process)]));
            }
        }
        object.insert("answers", answers);
        if (!entry.joint) {
            object.insert("unfilled", toQString(kUnfilledText));
        }
        object.insert("rules", rules);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace velmora::answers
