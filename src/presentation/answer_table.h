#pragma once

// Answers as a table of text: the columns every row of an answer has, TSV records, and
// the rule base's canonical text, which is every answer as `velmora-cli table` writes
// it in TSV, and its fingerprint, which names the rules a build answers from, not the
// rules it was meant to.

#include "presentation/answer_rows.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::array<std::string_view, 7> kAnswerColumns{
    "process", "material1", "material2", "outcome", "text1", "text2", "text3"};

// A row's fields under kAnswerColumns: the process's key, the two designations, the
// outcome's name and the three texts (empty where there are none).
std::array<std::string_view, 7> answerFields(const AnswerRow& row);

// Appends the fields, tab-separated, and a line feed. TSV is never quoted, so a field
// holding a tab or a line break cannot be written: then nothing is appended, the field
// is named in `problem` (when given) and the result is false.
bool appendTsvRecord(std::string& out, std::span<const std::string_view> fields,
                     std::string* problem = nullptr);

// The header and every answer (everyAnswer()) as TSV. Empty where a rule text holds a
// tab or a line break (named in `problem`), which the pinned answers would show at once.
std::string ruleBaseText(std::string* problem = nullptr);

// The rule base's fingerprint: the first 8 hex digits of the SHA-256 of ruleBaseText().
// Any changed answer changes it; nothing else does (not the version, not the wording of
// the program's own messages). Worked out on first use.
const std::string& ruleFingerprint();

} // namespace velmora
