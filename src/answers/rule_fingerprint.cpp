#include "answers/rule_fingerprint.h"

#include "recommend/answer_table.h"

#include <QCryptographicHash>

namespace velmora::answers {

QString ruleFingerprint() {
    static const QString fingerprint = [] {
        // A rule text with a tab or a line break would leave the text empty, and this
        // the fingerprint of nothing; cli_table_test holds the text to the pinned answers.
        return QString::fromLatin1(
            QCryptographicHash::hash(QByteArray::fromStdString(ruleBaseText()),
                                     QCryptographicHash::Sha256)
                .toHex()
                .left(8));
    }();
    return fingerprint;
}

} // namespace velmora::answers
