#include "cli/answer_export.h"

#include "catalogue/catalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <array>
#include <string>

namespace velmora::cli {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void append(QByteArray& out, std::string_view text) {
    out.append(text.data(), static_cast<qsizetype>(text.size()));
}

// process, material 1, material 2, outcome, text 1, text 2, text 3
std::array<std::string_view, 7> fields(const Answer& a) {
    std::array<std::string_view, 7> f{processName(a.process).key, a.material1, a.material2,
                                      outcomeName(a.outcome)};
    if (const auto* texts = std::get_if<Recommendation>(&a.outcome)) {
        f[4] = (*texts)[0];
        f[5] = (*texts)[1];
        f[6] = (*texts)[2];
    }
    return f;
}

constexpr std::array<std::string_view, 7> kHeader{"process", "material1", "material2", "outcome",
                                                  "text1",   "text2",     "text3"};

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

void appendCsvRecord(QByteArray& out, const std::array<std::string_view, 7>& record) {
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0) {
            out.append(',');
        }
        appendCsvField(out, record[i]);
    }
    out.append("\r\n");
}

bool appendTsvRecord(QByteArray& out, const std::array<std::string_view, 7>& record,
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

Answer answerFor(Process process, std::string_view material1, std::string_view material2) {
    return {process, material1, material2, recommend(process, material1, material2)};
}

std::string_view outcomeName(const Outcome& outcome) {
    if (std::holds_alternative<Recommendation>(outcome)) {
        return "answer";
    }
    return std::holds_alternative<NotFound>(outcome) ? "not_found" : "no_entry";
}

std::vector<Answer> everyAnswer() {
    std::vector<Answer> all;
    for (const ProcessName& p : kProcessNames) {
        all.push_back(answerFor(p.process, {}, {}));
        for (const Material& m : kMaterials) {
            all.push_back(answerFor(p.process, m.designation, {}));
        }
        for (std::size_t i = 0; i < kMaterials.size(); ++i) {
            for (std::size_t j = i + 1; j < kMaterials.size(); ++j) {
                all.push_back(
                    answerFor(p.process, kMaterials[i].designation, kMaterials[j].designation));
            }
        }
    }
    return all;
}

QByteArray asText(std::span<const Answer> answers) {
    QByteArray out;
    for (const Answer& a : answers) {
        if (!out.isEmpty()) {
            out.append('\n');
        }
        append(out, processName(a.process).caption);
        out.append('\n');
        if (const auto* texts = std::get_if<Recommendation>(&a.outcome)) {
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

QByteArray asJson(std::span<const Answer> answers) {
    QJsonArray array;
    for (const Answer& a : answers) {
        QJsonArray materials;
        for (std::string_view m : {a.material1, a.material2}) {
            if (!m.empty()) {
                materials.append(qs(m));
            }
        }
        QJsonArray texts;
        if (const auto* recommendation = std::get_if<Recommendation>(&a.outcome)) {
            for (std::string_view text : *recommendation) {
                texts.append(qs(text));
            }
        }
        array.append(QJsonObject{{"process", qs(processName(a.process).key)},
                                 {"materials", materials},
                                 {"outcome", qs(outcomeName(a.outcome))},
                                 {"texts", texts}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray asCsv(std::span<const Answer> answers) {
    // The byte-order mark tells Excel the file is UTF-8; without it, Chinese Windows
    // opens it as GBK.
    QByteArray out("\xEF\xBB\xBF");
    appendCsvRecord(out, kHeader);
    for (const Answer& a : answers) {
        appendCsvRecord(out, fields(a));
    }
    return out;
}

QByteArray asTsv(std::span<const Answer> answers, std::string* problem) {
    QByteArray out;
    appendTsvRecord(out, kHeader, problem);
    for (const Answer& a : answers) {
        if (!appendTsvRecord(out, fields(a), problem)) {
            return {};
        }
    }
    return out;
}

QByteArray materialsAsText() {
    QByteArray out;
    for (const Material& m : kMaterials) {
        append(out, group(m.group).caption);
        out.append('\t');
        append(out, m.designation);
        out.append('\n');
    }
    return out;
}

QByteArray materialsAsJson() {
    QJsonArray array;
    for (const Material& m : kMaterials) {
        array.append(QJsonObject{{"index", m.index},
                                 {"designation", qs(m.designation)},
                                 {"group", qs(group(m.group).caption)}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace velmora::cli
