#include "answers/rule_fingerprint.h"

#include "recommend/answer_table.h"

namespace velmora::answers {

QString ruleFingerprint() {
    return QString::fromStdString(velmora::ruleFingerprint());
}

} // namespace velmora::answers
