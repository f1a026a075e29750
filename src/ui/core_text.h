#pragma once

// The core hands out UTF-8 views of its constant texts; the windows show QStrings.

#include <QString>

#include <string_view>

namespace velmora::ui {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velmora::ui
