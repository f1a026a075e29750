#include "workbook/zip_package.h"

#include <QBuffer>
#include <QtGui/private/qzipreader_p.h>
#include <QtGui/private/qzipwriter_p.h>

namespace velmora::workbook {
namespace {

// Qt's zip classes warn on their own ("QZip: EndOfDirectory not found") where a package
// is damaged; what is wrong is said by the caller, in the user's language, instead.
class ZipRemarksDropped {
public:
    ZipRemarksDropped()
        : m_previous(qInstallMessageHandler(drop)) {
        s_previous = m_previous;
    }
    ~ZipRemarksDropped() { qInstallMessageHandler(m_previous); }
    ZipRemarksDropped(const ZipRemarksDropped&) = delete;
    ZipRemarksDropped& operator=(const ZipRemarksDropped&) = delete;

private:
    static void drop(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("QZip:")) && s_previous != nullptr) {
            s_previous(type, context, message);
        }
    }
    static inline QtMessageHandler s_previous = nullptr;
    QtMessageHandler m_previous;
};

} // namespace

struct ZipPackage::Parts {
    QBuffer buffer;
    std::unique_ptr<QZipReader> reader;
    QList<QZipReader::FileInfo> entries;
};

ZipPackage::ZipPackage(std::unique_ptr<Parts> parts)
    : m_parts(std::move(parts)) {}

ZipPackage::~ZipPackage() = default;

std::unique_ptr<ZipPackage> ZipPackage::open(const QByteArray& bytes, QString* error) {
    auto parts = std::make_unique<Parts>();
    parts->buffer.setData(bytes);
    parts->buffer.open(QIODevice::ReadOnly);
    const ZipRemarksDropped quiet;
    parts->reader = std::make_unique<QZipReader>(&parts->buffer);
    if (parts->reader->status() != QZipReader::NoError) {
        *error = QStringLiteral("压缩包已损坏或不完整");
        return nullptr;
    }
    parts->entries = parts->reader->fileInfoList();
    if (parts->entries.isEmpty()) {
        *error = QStringLiteral("压缩包已损坏或不完整：找不到其中的文件");
        return nullptr;
    }
    return std::unique_ptr<ZipPackage>(new ZipPackage(std::move(parts)));
}

QStringList ZipPackage::files() const {
    QStringList paths;
    for (const QZipReader::FileInfo& entry : m_parts->entries) {
        if (entry.isFile) {
            paths << (entry.filePath.startsWith(u'/') ? entry.filePath.mid(1) : entry.filePath);
        }
    }
    return paths;
}

std::optional<QByteArray> ZipPackage::file(const QString& path, qint64 limit,
                                           QString* error) const {
    for (const QZipReader::FileInfo& entry : m_parts->entries) {
        const QString name =
            entry.filePath.startsWith(u'/') ? entry.filePath.mid(1) : entry.filePath;
        if (!entry.isFile || name.compare(path, Qt::CaseInsensitive) != 0) {
            continue;
        }
        // The size the package gives before anything is unpacked: a part that claims
        // more is refused without unpacking it.
        if (entry.size > limit) {
            *error = QStringLiteral("%1 解压后有 %2 MB，超过 %3 MB")
                         .arg(path)
                         .arg(entry.size / 1000000)
                         .arg(limit / 1000000);
            return std::nullopt;
        }
        const ZipRemarksDropped quiet;
        QByteArray data = m_parts->reader->fileData(entry.filePath);
        // A part that unpacks to other than its stated size is damaged (or lies).
        if (data.size() != entry.size) {
            *error = QStringLiteral("%1 无法完整解压").arg(path);
            return std::nullopt;
        }
        return data;
    }
    *error = QStringLiteral("缺少 %1").arg(path);
    return std::nullopt;
}

QByteArray zipped(const std::vector<std::pair<QString, QByteArray>>& files) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    writer.setCompressionPolicy(QZipWriter::AlwaysCompress);
    for (const auto& [path, data] : files) {
        writer.addFile(path, data);
    }
    writer.close();
    return buffer.data();
}

} // namespace velmora::workbook
