#pragma once

// The core hands out UTF-8 views of its constant texts; Qt shows QStrings. The one
// way from the first to the second, for the windows, the sheet and the command line.

#include <QString>

#include <string_view>

namespace velmora {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velmora
