#include "workbook/workbook_file.h"

#include "joints/workbook_cells.h"
#include "joints/workbook_parts.h"
#include "workbook/sheet_xml.h"
#include "workbook/zip_package.h"

#include <QHash>
#include <QXmlStreamReader>

#include <memory>
#include <optional>

namespace velmora::workbook {
namespace {

bool isRelationships(QStringView ns) {
    return ns == u"http://schemas.openxmlformats.org/officeDocument/2006/relationships" ||
           ns == u"http://purl.oclc.org/ooxml/officeDocument/relationships";
}

QByteArray withoutByteOrderMark(QByteArray xml) {
    if (xml.startsWith("\xEF\xBB\xBF")) {
        xml.remove(0, 3);
    }
    return xml;
}

struct Relationship {
    QString type;   // its last segment: "worksheet", "sharedStrings", "officeDocument"
    QString target; // the part's path in the package
};

QString folderOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash + 1);
}

// A relationship's target as a path in the package: absolute ("/xl/worksheets/a.xml")
// or relative to the folder of the part it belongs to, with "../" taken back.
QString resolved(const QString& from, const QString& target) {
    QStringList parts = (target.startsWith(u'/') ? target.mid(1) : folderOf(from) + target)
                            .split(u'/', Qt::SkipEmptyParts);
    QStringList path;
    for (const QString& part : parts) {
        if (part == QLatin1String("..")) {
            if (!path.isEmpty()) {
                path.removeLast();
            }
        } else if (part != QLatin1String(".")) {
            path << part;
        }
    }
    return path.join(u'/');
}

class Reader {
public:
    explicit Reader(std::unique_ptr<ZipPackage> package)
        : m_package(std::move(package)) {}

    QString fault;
    bool damaged = true; // false where the sheet asked for is not there, in a sound package

    std::optional<QByteArray> part(const QString& path) {
        QString error;
        std::optional<QByteArray> data = m_package->file(path, qint64(kPartBytesAtMost), &error);
        if (!data) {
            fault = error;
        }
        return data ? std::optional(withoutByteOrderMark(*data)) : std::nullopt;
    }

    // The relationships of `source` ("xl/workbook.xml"), by their Id.
    std::optional<QHash<QString, Relationship>> relationships(const QString& source) {
        const std::optional<QByteArray> data =
            part(folderOf(source) + QStringLiteral("_rels/") + source.mid(folderOf(source).size()) +
                 QStringLiteral(".rels"));
        if (!data) {
            return std::nullopt;
        }
        QHash<QString, Relationship> found;
        QXmlStreamReader xml(*data);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"Relationship") {
                const QXmlStreamAttributes a = xml.attributes();
                const QString type = a.value(QLatin1String("Type")).toString();
                found.insert(a.value(QLatin1String("Id")).toString(),
                             {type.mid(type.lastIndexOf(u'/') + 1),
                              resolved(source, a.value(QLatin1String("Target")).toString())});
            }
        }
        return checked(xml, source) ? std::optional(found) : std::nullopt;
    }

    bool checked(const QXmlStreamReader& xml, const QString& path) {
        fault = xmlFault(xml, path);
        return fault.isEmpty();
    }

    std::optional<std::vector<std::string>> sharedStrings(const QString& path) {
        const std::optional<QByteArray> data = part(path);
        return data ? sharedStringsIn(*data, path, &fault) : std::nullopt;
    }

    std::optional<SheetContent> sheet(const QString& path) {
        const std::optional<QByteArray> data = part(path);
        return data ? sheetIn(*data, path, &fault) : std::nullopt;
    }

    // The worksheet's part and the shared strings' (empty where there are none).
    std::optional<std::pair<QString, QString>> findSheet(const QString& wanted) {
        const auto root = relationships(QString());
        if (!root) {
            return std::nullopt;
        }
        QString workbook;
        for (const Relationship& r : *root) {
            if (r.type == QLatin1String("officeDocument")) {
                workbook = r.target;
            }
        }
        if (workbook.isEmpty()) {
            fault = QStringLiteral("找不到其中的工作簿");
            return std::nullopt;
        }
        const auto rels = relationships(workbook);
        const std::optional<QByteArray> data = rels ? part(workbook) : std::nullopt;
        if (!data) {
            return std::nullopt;
        }
        QString sharedStringsPart;
        for (const Relationship& r : *rels) {
            if (r.type == QLatin1String("sharedStrings")) {
                sharedStringsPart = r.target;
            }
        }
        QXmlStreamReader xml(*data);
        QStringList names;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!opens(xml, u"sheet")) {
                continue;
            }
            QString name, id;
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                if (a.name() == u"name" && a.namespaceUri().isEmpty()) {
                    name = a.value().toString();
                } else if (a.name() == u"id" && isRelationships(a.namespaceUri())) {
                    id = a.value().toString();
                }
            }
            names << name;
            const Relationship r = rels->value(id);
            // The first sheet may be a chart sheet: the first worksheet is wanted.
            if ((wanted.isEmpty() && r.type == QLatin1String("worksheet")) || name == wanted) {
                if (r.type != QLatin1String("worksheet")) {
                    damaged = false;
                    fault = QStringLiteral("“%1”不是工作表").arg(name);
                    return std::nullopt;
                }
                return std::pair{r.target, sharedStringsPart};
            }
        }
        if (!checked(xml, workbook)) {
            return std::nullopt;
        }
        damaged = wanted.isEmpty();
        fault = wanted.isEmpty() ? QStringLiteral("其中没有工作表")
                                 : QStringLiteral("没有名为“%1”的工作表；有：%2")
                                       .arg(wanted, names.join(QStringLiteral("、")));
        return std::nullopt;
    }

private:
    std::unique_ptr<ZipPackage> m_package;
};

} // namespace

bool looksLikeWorkbook(const QByteArray& bytes) {
    return bytes.startsWith("PK\x03\x04");
}

bool looksLikeOldExcel(const QByteArray& bytes) {
    return bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

std::variant<std::vector<ListRow>, QString> readWorkbook(const QByteArray& bytes,
                                                         const QString& sheet) {
    const auto damaged = [](const QString& why) {
        return QString::fromStdString(damagedWorkbookText(why.toStdString()));
    };
    QString error;
    std::unique_ptr<ZipPackage> package = ZipPackage::open(bytes, &error);
    if (!package) {
        return damaged(error);
    }
    Reader reader(std::move(package));
    const auto found = reader.findSheet(sheet);
    if (!found) {
        return reader.damaged ? damaged(reader.fault) : reader.fault;
    }
    std::optional<SheetContent> content = reader.sheet(found->first);
    if (content && !found->second.isEmpty()) {
        if (auto strings = reader.sharedStrings(found->second)) {
            content->sharedStrings = std::move(*strings);
        } else {
            content.reset();
        }
    }
    if (!content) {
        return damaged(reader.fault);
    }
    auto rows = sheetRows(*content);
    if (const std::string* fault = std::get_if<std::string>(&rows)) {
        return damaged(QString::fromStdString(*fault));
    }
    return std::get<std::vector<ListRow>>(std::move(rows));
}

QByteArray workbookOf(const JointsTable& table) {
    std::vector<std::pair<QString, QByteArray>> files;
    for (const WorkbookPart& part : workbookParts(table)) {
        files.emplace_back(QString::fromStdString(part.path), QByteArray::fromStdString(part.xml));
    }
    return zipped(files);
}

} // namespace velmora::workbook
