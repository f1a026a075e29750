#include "cli/input_text.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cerrno>
#include <cstdio>

namespace velmora::cli {

QString inputName(const QString& name) {
    return name == QLatin1String("-") ? QStringLiteral("标准输入") : QDir::toNativeSeparators(name);
}

std::optional<QByteArray> readInput(const QString& name, QString* error) {
    if (name == QLatin1String("-")) {
        // Not through QFile: on Windows it takes the end of a pipe for an error.
        QByteArray bytes;
        std::array<char, 65536> buffer{};
        std::size_t read = 0;
        while ((read = std::fread(buffer.data(), 1, buffer.size(), stdin)) > 0) {
            bytes.append(buffer.data(), static_cast<qsizetype>(read));
        }
        if (std::ferror(stdin) != 0) {
            *error = QStringLiteral("无法读取 %1：%2").arg(inputName(name), qt_error_string(errno));
            return std::nullopt;
        }
        return bytes;
    }
    QFile file(name);
    const bool opened = file.open(QIODevice::ReadOnly);
    QByteArray bytes = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("无法读取 %1：%2").arg(inputName(name), file.errorString());
        return std::nullopt;
    }
    return bytes;
}

} // namespace velmora::cli
