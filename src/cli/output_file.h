#pragma once

// --output: what a command prints, written to a file instead of standard output.

#include <QByteArray>
#include <QString>

namespace velmora::cli {

// Writes `bytes` to `fileName` under a temporary name and renames it (QSaveFile), so
// the file appears whole or not at all. On failure, says why in `error`.
bool saveOutput(const QString& fileName, const QByteArray& bytes, QString* error);

} // namespace velmora::cli
