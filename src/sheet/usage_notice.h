#pragma once

#include "qtext/core_text.h"
#include "recommend/usage_notice.h"

#include <QString>

namespace velmora::sheet {

inline QString usageNotice() {
    return toQString(kUsageNotice);
}

} // namespace velmora::sheet
