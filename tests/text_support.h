#pragma once

#include "qtext/core_text.h"

#include <QByteArray>
#include <QString>

#include <string>

using velmora::toQString;

inline std::string toStd(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), std::size_t(utf8.size()));
}
