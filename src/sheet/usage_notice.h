#pragma once

#include "presentation/usage_notice.h"
#include "qtext/core_text.h"

#include <QString>

namespace velmora::sheet {

inline QString usageNotice() {
    return toQString(kUsageNotice);
}

} // namespace velmora::sheet
