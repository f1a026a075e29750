#pragma once

// A joint list's file as an engineer has it, read into the core's joint list: an .xlsx
// workbook, or text as a spreadsheet or an editor saves it: UTF-8, with or without a
// byte-order mark (Excel's "CSV UTF-8"), or GB18030, of which GBK is a part (Excel's
// plain "CSV" on Chinese Windows). The command line and the window read lists so.

#include "joints/joint_list.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace velmora::workbook {

// UTF-8 where the bytes are valid UTF-8 (a leading byte-order mark dropped), else
// GB18030; nullopt when they are neither, or begin with the UTF-8 byte-order mark
// and are not UTF-8.
std::optional<QString> decodeText(const QByteArray& bytes);

// The list in the file's bytes (`sheet`: the worksheet of a workbook, empty for the
// first), or why it cannot be read at all: a damaged workbook, an old .xls, bytes
// that are no text. Lines that name no joint are the list's faults, not this.
std::variant<JointList, QString> readListFile(const QByteArray& bytes, const QString& sheet,
                                              const ColumnChoice& columns);

} // namespace velmora::workbook
