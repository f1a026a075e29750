#include "cli/names_listing.h"

#include "catalogue/name_texts.h"
#include "qtext/core_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <array>
#include <span>
#include <string>

namespace velmora::cli {
namespace {

void appendLine(QByteArray& out, std::span<const std::string_view> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out.append('\t');
        }
        out.append(fields[i].data(), static_cast<qsizetype>(fields[i].size()));
    }
    out.append('\n');
}

QJsonValue orNull(std::string_view text) {
    return text.empty() ? QJsonValue(QJsonValue::Null) : QJsonValue(toQString(text));
}

// How the name names its material, as JSON says it: "designation", "grade",
// "without-brackets", or the known name's kind ("gb-new"; "refuse" for a refused one).
std::string_view byKey(const NameLookup& lookup) {
    if (lookup.known != nullptr) {
        return nameKindKey(lookup.known->kind);
    }
    if (lookup.material == nullptr) {
        return "unknown";
    }
    constexpr std::array<std::string_view, 3> keys{"designation", "grade", "without-brackets"};
    return keys[static_cast<std::size_t>(lookup.by)];
}

} // namespace

QByteArray namesAsText() {
    QByteArray out;
    appendLine(out, std::array<std::string_view, 4>{"名称", "目录牌号", "类别", "依据"});
    for (const KnownName& k : kKnownNames) {
        appendLine(out, std::array{k.name, k.designation.empty() ? "-" : k.designation,
                                   nameKindText(k.kind), k.standard});
    }
    return out;
}

QByteArray namesAsJson() {
    QJsonArray array;
    for (const KnownName& k : kKnownNames) {
        array.append(QJsonObject{{"name", toQString(k.name)},
                                 {"material", orNull(k.designation)},
                                 {"kind", toQString(nameKindKey(k.kind))},
                                 {"standard", toQString(k.standard)},
                                 {"fact", toQString(k.fact)}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray nameAsText(std::string_view typed, bool* found) {
    const NameLookup lookup = lookUpMaterialName(typed);
    *found = lookup.material != nullptr;
    QByteArray out;
    for (const std::string& line : nameExplanation(typed, lookup)) {
        out.append(QByteArray::fromStdString(line)).append('\n');
    }
    return out;
}

QByteArray nameAsJson(std::string_view typed, bool* found) {
    const NameLookup lookup = lookUpMaterialName(typed);
    *found = lookup.material != nullptr;
    QJsonArray lines;
    for (const std::string& line : nameExplanation(typed, lookup)) {
        lines.append(QString::fromStdString(line));
    }
    QJsonObject object{
        {"typed", toQString(typed)},
        {"material", orNull(lookup.material != nullptr ? lookup.material->designation : "")},
        {"by", toQString(byKey(lookup))},
        {"text", lines}};
    if (lookup.known != nullptr) {
        object.insert("standard", toQString(lookup.known->standard));
        object.insert("fact", toQString(lookup.known->fact));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace velmora::cli
