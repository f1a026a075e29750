#pragma once

#include "qtext/core_text.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

using velmora::toQString;

inline std::string toStd(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), std::size_t(utf8.size()));
}

// A row of UTF-8 cells as QStrings.
inline QStringList toQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list << toQString(text);
    }
    return list;
}
