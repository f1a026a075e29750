#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string toStd(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), std::size_t(utf8.size()));
}
