#pragma once

// Joint lists as Excel keeps them: an .xlsx workbook's worksheet read as a joint list's
// rows, and the answered list written as a workbook.

#include "joints/joints_table.h"
#include "joints/list_cells.h"

#include <QByteArray>
#include <QString>

#include <variant>
#include <vector>

namespace velmora::workbook {

// Whether the bytes are a zip package, as every .xlsx is.
bool looksLikeWorkbook(const QByteArray& bytes);
// Whether they are an old binary Excel file (.xls) or another OLE compound file.
bool looksLikeOldExcel(const QByteArray& bytes);

// The rows of the worksheet named `sheet`, or of the first worksheet when `sheet` is
// empty; or what is wrong, in a sentence (a damaged package, a part missing or too
// large, too many rows, no such sheet).
std::variant<std::vector<ListRow>, QString> readWorkbook(const QByteArray& bytes,
                                                         const QString& sheet = {});

// The table as an .xlsx workbook.
QByteArray workbookOf(const JointsTable& table);

} // namespace velmora::workbook
