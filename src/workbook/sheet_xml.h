#pragma once

// The XML of a workbook's parts, read with QXmlStreamReader as every writer writes it:
// elements matched by namespace and local name, never by a prefix; shared strings with
// their rich-text runs and without their phonetic ones; a sheet's rows, cells and
// merged ranges as the sheet gives them, for the core to turn into rows.

#include "joints/workbook_cells.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

#include <optional>
#include <string>
#include <vector>

namespace velmora::workbook {

// Whether the element is in the spreadsheet namespace (transitional or strict).
bool inMain(const QXmlStreamReader& xml);
// Whether the reader stands at the start, or the end, of that element.
bool opens(const QXmlStreamReader& xml, QStringView name);
bool closes(const QXmlStreamReader& xml, QStringView name);
// What is wrong with the part's XML, or an empty string.
QString xmlFault(const QXmlStreamReader& xml, const QString& path);

// Each entry's text of a shared-strings part; nullopt with `fault` saying why.
std::optional<std::vector<std::string>> sharedStringsIn(const QByteArray& data, const QString& path,
                                                        QString* fault);
// A worksheet part's rows, cells and merged ranges, never more rows than a sheet may
// have; nullopt with `fault` saying why.
std::optional<SheetContent> sheetIn(const QByteArray& data, const QString& path, QString* fault);

} // namespace velmora::workbook
