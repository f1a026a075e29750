#include "cli/output_file.h"

#include <QDir>
#include <QSaveFile>

namespace velmora::cli {

bool saveOutput(const QString& fileName, const QByteArray& bytes, QString* error) {
    QSaveFile file(fileName);
    const bool saved =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!saved && error != nullptr) {
        *error = QStringLiteral("结果未能保存到 %1：%2")
                     .arg(QDir::toNativeSeparators(fileName), file.errorString());
    }
    return saved;
}

} // namespace velmora::cli
