#include "answers/rule_fingerprint.h"

#include "answers/answer_formats.h"

#include <QCryptographicHash>

namespace velmora::answers {

QString ruleFingerprint() {
    static const QString fingerprint = [] {
        // A rule text with a tab or a line break would leave the TSV empty, and this
        // the fingerprint of nothing; cli_test holds the TSV to the pinned answers.
        std::string problem;
        const QByteArray tsv = asTsv(everyAnswer(), &problem);
        return QString::fromLatin1(
            QCryptographicHash::hash(tsv, QCryptographicHash::Sha256).toHex().left(8));
    }();
    return fingerprint;
}

} // namespace velmora::answers
