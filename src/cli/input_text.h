#pragma once

// A command's input: a file, or standard input for "-".

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmora::cli {

// How a message names the input: the file, or standard input for "-".
QString inputName(const QString& name);

// The bytes of the file, or of standard input for "-"; nullopt, with the reason in
// `error`, when it cannot be read.
std::optional<QByteArray> readInput(const QString& name, QString* error);

} // namespace velmora::cli
