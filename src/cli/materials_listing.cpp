#include "cli/materials_listing.h"

#include "catalogue/catalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <string_view>

namespace velmora::cli {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void append(QByteArray& out, std::string_view text) {
    out.append(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QByteArray materialsAsText() {
    QByteArray out;
    for (const Material& m : kMaterials) {
        append(out, group(m.group).caption);
        out.append('\t');
        append(out, m.designation);
        out.append('\n');
    }
    return out;
}

QByteArray materialsAsJson() {
    QJsonArray array;
    for (const Material& m : kMaterials) {
        array.append(QJsonObject{{"index", m.index},
                                 {"designation", qs(m.designation)},
                                 {"group", qs(group(m.group).caption)}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace velmora::cli
