#include "cli/materials_listing.h"

#include "catalogue/catalogue.h"
#include "qtext/core_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <string_view>

namespace velmora::cli {
namespace {

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
                                 {"designation", toQString(m.designation)},
                                 {"group", toQString(group(m.group).caption)}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace velmora::cli
