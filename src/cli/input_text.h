#pragma once

// The text of a joint list, as a spreadsheet or an editor saves it: UTF-8, with or
// without a byte-order mark (Excel's "CSV UTF-8"), or GB18030, of which GBK is a
// part (Excel's plain "CSV" on Chinese Windows).

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmora::cli {

// How a message names the input: the file, or standard input for "-".
QString inputName(const QString& name);

// The bytes of the file, or of standard input for "-"; nullopt, with the reason in
// `error`, when it cannot be read.
std::optional<QByteArray> readInput(const QString& name, QString* error);

// UTF-8 where the bytes are valid UTF-8 (a leading byte-order mark dropped), else
// GB18030; nullopt when they are neither, or begin with the UTF-8 byte-order mark
// and are not UTF-8.
std::optional<QString> decodeText(const QByteArray& bytes);

} // namespace velmora::cli
