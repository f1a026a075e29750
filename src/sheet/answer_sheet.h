#pragma once

// The answer sheet: one A4 page titled "焊材选用单" with the date and time, the
// materials, a row per process with its three texts, and the usage notice at the
// foot. The results window prints it and exports it as PDF; velmora-cli writes the
// same PDF. Needs QtGui only.

#include "catalogue/material_names.h"
#include "recommend/recommend.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <string_view>
#include <vector>

class QPainter;
class QRectF;

namespace velmora::sheet {

struct AnswerSheet {
    QDateTime when;
    QStringList materials;                 // one or two designations
    std::vector<Translation> translations; // the names they were read from, where known
};

// The sheet for the materials. Either material may be empty.
AnswerSheet answerSheetFor(std::string_view material1, std::string_view material2,
                           const QDateTime& when, std::vector<Translation> translations = {});

// Paints the sheet into `deviceArea` (the page's printable rectangle, in the painter's
// device units). Lengths follow the device's resolution in each direction, so printers
// and PDF agree.
void paintAnswerSheet(QPainter& painter, const QRectF& deviceArea, const AnswerSheet& sheet);

// Writes the sheet as a one-page A4 PDF. The file appears whole or not at all: it is
// written under a temporary name and renamed. On failure `error` says why, and
// `notDrawn` (when given) whether it was the drawing, not the file, that failed.
bool saveAnswerSheetPdf(const QString& fileName, const AnswerSheet& sheet, QString* error,
                        bool* notDrawn = nullptr);

// "焊材选用单_<material 1>[_<material 2>].pdf", with the characters that are unsafe
// in file names on any common system replaced by "_".
QString proposedSheetFileName(const QStringList& materials);

} // namespace velmora::sheet
