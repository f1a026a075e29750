#pragma once

// What the commands share: the materials a command's arguments name, and answer rows
// printed in the format asked for.

#include "answers/answer_formats.h"
#include "cli/command_line.h"
#include "joints/joint_names.h"

#include <QString>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmora::cli {

// The joint named by the command's arguments, or nullopt after saying why: a name
// that fits no material, or several.
std::optional<Joint> jointFrom(const CommandLine& line);

// Of a joint's four rows, those of the processes asked for.
void appendRows(std::vector<AnswerRow>& rows, const std::array<AnswerRow, kProcessCount>& every,
                const std::vector<Process>& processes);

// TSV is never quoted: where a text holds a tab or a line break (`problem`), `tsv` is
// empty and that is said instead.
int printTsv(const CommandLine& line, const QByteArray& tsv, const std::string& problem);

// Rows as TSV, CSV or JSON, as `table` and `batch` write them.
int printRows(const CommandLine& line, std::span<const AnswerRow> rows,
              const answers::ListColumns* list = nullptr);

} // namespace velmora::cli
