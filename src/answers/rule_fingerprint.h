#pragma once

// The rule base's fingerprint: the first 8 hex digits of the SHA-256 of the rule base's
// text (ruleBaseText(): every answer as `velmora-cli table` writes it in TSV). Any changed answer
// changes it; nothing else does (not the version, not the wording of the program's own messages).
// Worked out from the program's own answers on first use.

#include <QString>

namespace velmora::answers {

// Eight lower-case hex digits.
QString ruleFingerprint();

} // namespace velmora::answers
