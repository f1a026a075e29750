#include "workbook/sheet_xml.h"

namespace velmora::workbook {

// Transitional and strict OOXML name the same things in two namespaces each.
bool inMain(const QXmlStreamReader& xml) {
    const QStringView ns = xml.namespaceUri();
    return ns == u"http://schemas.openxmlformats.org/spreadsheetml/2006/main" ||
           ns == u"http://purl.oclc.org/ooxml/spreadsheetml/main";
}

bool opens(const QXmlStreamReader& xml, QStringView name) {
    return xml.isStartElement() && xml.name() == name && inMain(xml);
}

bool closes(const QXmlStreamReader& xml, QStringView name) {
    return xml.isEndElement() && xml.name() == name && inMain(xml);
}

QString xmlFault(const QXmlStreamReader& xml, const QString& path) {
    return xml.hasError() ? QStringLiteral("%1 不是完好的 XML（第 %2 行）：%3")
                                .arg(path)
                                .arg(xml.lineNumber())
                                .arg(xml.errorString())
                          : QString();
}

std::optional<std::vector<std::string>> sharedStringsIn(const QByteArray& data, const QString& path,
                                                        QString* fault) {
    std::vector<std::string> strings;
    QXmlStreamReader xml(data);
    QString text;
    int phonetic = 0; // inside <rPh>: a reading aid, not the text
    while (!xml.atEnd()) {
        xml.readNext();
        if (opens(xml, u"si")) {
            text.clear();
        } else if (opens(xml, u"rPh")) {
            ++phonetic;
        } else if (closes(xml, u"rPh")) {
            --phonetic;
        } else if (opens(xml, u"t") && phonetic == 0) {
            text += xml.readElementText();
        } else if (closes(xml, u"si")) {
            strings.push_back(text.toStdString());
        }
    }
    *fault = xmlFault(xml, path);
    return fault->isEmpty() ? std::optional(strings) : std::nullopt;
}

std::optional<SheetContent> sheetIn(const QByteArray& data, const QString& path, QString* fault) {
    SheetContent content;
    QXmlStreamReader xml(data);
    SheetCell* cell = nullptr;
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (opens(xml, u"rPh")) {
            ++phonetic;
        } else if (closes(xml, u"rPh")) {
            --phonetic;
        } else if (opens(xml, u"row")) {
            if (content.rows.size() == kSheetRowsAtMost) {
                *fault = QStringLiteral("工作表超过 %1 行").arg(kSheetRowsAtMost);
                return std::nullopt;
            }
            content.rows.push_back(
                {xml.attributes().value(QLatin1String("r")).toString().toStdString(), {}});
        } else if (opens(xml, u"c") && !content.rows.empty()) {
            const QXmlStreamAttributes a = xml.attributes();
            content.rows.back().cells.push_back(
                {a.value(QLatin1String("r")).toString().toStdString(),
                 a.value(QLatin1String("t")).toString().toStdString(),
                 {}});
            cell = &content.rows.back().cells.back();
        } else if (opens(xml, u"v") && cell != nullptr) {
            cell->text = xml.readElementText().toStdString();
        } else if (opens(xml, u"t") && cell != nullptr && phonetic == 0) {
            cell->text += xml.readElementText().toStdString(); // inline string runs
        } else if (closes(xml, u"c")) {
            cell = nullptr;
        } else if (opens(xml, u"mergeCell")) {
            content.merges.push_back(
                xml.attributes().value(QLatin1String("ref")).toString().toStdString());
        }
    }
    *fault = xmlFault(xml, path);
    return fault->isEmpty() ? std::optional(content) : std::nullopt;
}

} // namespace velmora::workbook
