#include "presentation/answer_table.h"

#include "presentation/sha256.h"

#include "presentation/processes.h"

namespace velmora {

std::array<std::string_view, 7> answerFields(const AnswerRow& row) {
    std::array<std::string_view, 7> fields{processName(row.answer.process).key, row.material1,
                                           row.material2, outcomeName(row.answer.outcome)};
    if (const auto* texts = std::get_if<Recommendation>(&row.answer.outcome)) {
        for (std::size_t i = 0; i < texts->size(); ++i) {
            fields[4 + i] = (*texts)[i];
        }
    }
    return fields;
}

bool appendTsvRecord(std::string& out, std::span<const std::string_view> fields,
                     std::string* problem) {
    for (std::string_view field : fields) {
        if (field.find_first_of("\t\r\n") != std::string_view::npos) {
            if (problem != nullptr) {
                *problem = std::string(field);
            }
            return false;
        }
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += '\t';
        }
        out += fields[i];
    }
    out += '\n';
    return true;
}

std::string ruleBaseText(std::string* problem) {
    std::string text;
    appendTsvRecord(text, kAnswerColumns);
    for (const AnswerRow& row : everyAnswer()) {
        if (!appendTsvRecord(text, answerFields(row), problem)) {
            return {};
        }
    }
    return text;
}

const std::string& ruleFingerprint() {
    // A rule text with a tab or a line break would leave the text empty, and this the
    // fingerprint of nothing; the suite holds the text to the pinned answers.
    static const std::string fingerprint = sha256Hex(ruleBaseText()).substr(0, 8);
    return fingerprint;
}

} // namespace velmora
