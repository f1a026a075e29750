#pragma once

// The core's rule-base fingerprint (velmora::ruleFingerprint()) as Qt text.

#include <QString>

namespace velmora::answers {

// Eight lower-case hex digits.
QString ruleFingerprint();

} // namespace velmora::answers
