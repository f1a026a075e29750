#include "answers/rule_fingerprint.h"

#include "presentation/answer_table.h"

namespace velmora::answers {

QString ruleFingerprint() {
    return QString::fromStdString(velmora::ruleFingerprint());
}

} // namespace velmora::answers
