#include "cli/input_text.h"

#include "cli/stream_output.h"

#include <QDir>
#include <QFile>

#include <cerrno>

namespace velmora::cli {

QString inputName(const QString& name) {
    return name == QLatin1String("-") ? QStringLiteral("标准输入") : QDir::toNativeSeparators(name);
}

std::optional<QByteArray> readInput(const QString& name, QString* error) {
    if (name == QLatin1String("-")) {
        QByteArray bytes;
        if (!readStandardInput(&bytes)) {
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
