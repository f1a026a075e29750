#pragma once

// A zip package (an .xlsx) read and written with Qt's own zip classes. They are Qt's
// private API, which may change between Qt versions: this file and its .cpp are the
// only ones that use it.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::workbook {

class ZipPackage {
public:
    // The package in `bytes` (kept by the caller while this lives); null with `error`
    // saying why where it is no zip or a damaged one.
    static std::unique_ptr<ZipPackage> open(const QByteArray& bytes, QString* error);
    ~ZipPackage();

    // The files in it, by their path without a leading "/"; folders left out.
    QStringList files() const;
    // A file's bytes; nullopt with `error` where it is missing, would unpack past
    // `limit` bytes, or cannot be unpacked whole.
    std::optional<QByteArray> file(const QString& path, qint64 limit, QString* error) const;

private:
    struct Parts;
    explicit ZipPackage(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> m_parts;
};

// The files packed into a zip, deflated, in the order given.
QByteArray zipped(const std::vector<std::pair<QString, QByteArray>>& files);

} // namespace velmora::workbook
