#include "sheet/answer_sheet.h"

#include "presentation/answer_sheet_text.h"
#include "qtext/core_text.h"
#include "sheet/song_font.h"

#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace velmora::sheet {
namespace {

constexpr qreal kTitlePoints = 18.0;
constexpr qreal kBodyPoints = 11.0;
constexpr qreal kNoticePoints = 9.0;
constexpr qreal kMarginMm = 20.0;

// Millimetres to the sheet's units, which are the device's units down the page and
// as long across (see paintAnswerSheet).
class Ruler {
public:
    explicit Ruler(const QPainter& painter)
        : perMm_(painter.device()->logicalDpiY() / 25.4) {}
    qreal operator()(qreal mm) const { return mm * perMm_; }

private:
    qreal perMm_;
};

// Draws `text` wrapped into the width of `box` from its top; returns the height used.
qreal drawWrapped(QPainter& painter, const QRectF& box, const QString& text, int flags) {
    const QRectF needed = painter.boundingRect(box, flags | Qt::TextWordWrap, text);
    painter.drawText(QRectF(box.topLeft(), QSizeF(box.width(), needed.height())),
                     flags | Qt::TextWordWrap, text);
    return needed.height();
}

} // namespace

AnswerSheet answerSheetFor(std::string_view material1, std::string_view material2,
                           const QDateTime& when, std::vector<Translation> translations) {
    QStringList materials;
    for (std::string_view m : {material1, material2}) {
        if (!m.empty()) {
            materials << toQString(m);
        }
    }
    return {when, materials, std::move(translations)};
}

void paintAnswerSheet(QPainter& painter, const QRectF& deviceArea, const AnswerSheet& sheet) {
    const Ruler mm(painter);
    painter.save();
    // A printer may resolve finer across than down (1200 × 600 dpi). The sheet is laid
    // out in units as long across as down, the device's vertical ones, and stretched
    // across to its horizontal ones: the column line, the paddings and the letters
    // keep their millimetres both ways.
    const QPaintDevice& device = *painter.device();
    const qreal across = qreal(device.logicalDpiX()) / device.logicalDpiY();
    painter.scale(across, 1.0);
    const QRectF area(deviceArea.left() / across, deviceArea.top(), deviceArea.width() / across,
                      deviceArea.height());
    painter.setPen(QPen(Qt::black, mm(0.3)));
    qreal y = area.top();

    const QDate date = sheet.when.date();
    const QTime time = sheet.when.time();
    const AnswerSheetText text = answerSheetText(
        sheet.materials.value(0).toStdString(), sheet.materials.value(1).toStdString(),
        sheetMoment(date.year(), date.month(), date.day(), time.hour(), time.minute()),
        sheet.translations);

    painter.setFont(songFont(kTitlePoints, true));
    y += drawWrapped(painter, QRectF(area.left(), y, area.width(), 0), toQString(text.title),
                     Qt::AlignHCenter | Qt::AlignTop);
    y += mm(10);

    painter.setFont(songFont(kBodyPoints));
    for (const std::string& line : text.heading) {
        y += drawWrapped(painter, QRectF(area.left(), y, area.width(), 0), toQString(line),
                         Qt::AlignLeft);
        y += mm(2);
    }
    y += mm(4);

    // Two columns: the process, then its three texts one under the other.
    const qreal pad = mm(2.5);
    const qreal split = area.left() + mm(45);
    const auto drawRow = [&](const QString& left, const QStringList& right, bool bold) {
        painter.setFont(songFont(kBodyPoints, bold));
        const QRectF leftBox(area.left() + pad, y + pad, split - area.left() - 2 * pad, 0);
        qreal rightHeight = 0;
        for (const QString& line : right) {
            if (rightHeight > 0) {
                rightHeight += mm(1.5); // the three texts read as three lines, not a block
            }
            rightHeight += drawWrapped(
                painter,
                QRectF(split + pad, y + pad + rightHeight, area.right() - split - 2 * pad, 0), line,
                Qt::AlignLeft);
        }
        const qreal height =
            std::max(drawWrapped(painter, leftBox, left, Qt::AlignLeft), rightHeight) + 2 * pad;
        painter.drawRect(QRectF(area.left(), y, area.width(), height));
        painter.drawLine(QPointF(split, y), QPointF(split, y + height));
        y += height;
    };
    drawRow(toQString(text.columns[0]), {toQString(text.columns[1])}, true);
    for (const AnswerSheetText::Row& row : text.rows) {
        QStringList lines;
        for (std::string_view line : row.lines) {
            lines << toQString(line);
        }
        drawRow(toQString(row.process), lines, false);
    }

    // The usage notice stands at the foot of the page, under a rule, and under it, to
    // the right, the edition of the rule base that gave the answers.
    painter.setFont(songFont(kNoticePoints));
    const QString edition = toQString(text.edition);
    const qreal editionHeight =
        painter.boundingRect(QRectF(area.left(), 0, area.width(), 0), Qt::AlignRight, edition)
            .height();
    drawWrapped(painter, QRectF(area.left(), area.bottom() - editionHeight, area.width(), 0),
                edition, Qt::AlignRight);
    const QString notice = toQString(text.notice);
    const QRectF noticeBox = painter.boundingRect(QRectF(area.left(), 0, area.width(), 0),
                                                  Qt::AlignLeft | Qt::TextWordWrap, notice);
    const qreal noticeTop = area.bottom() - editionHeight - mm(1) - noticeBox.height();
    painter.drawLine(QPointF(area.left(), noticeTop - mm(3)),
                     QPointF(area.right(), noticeTop - mm(3)));
    drawWrapped(painter, QRectF(area.left(), noticeTop, area.width(), 0), notice, Qt::AlignLeft);
    painter.restore();
}

bool saveAnswerSheetPdf(const QString& fileName, const AnswerSheet& sheet, QString* error,
                        bool* notDrawn) {
    const auto fail = [&](const QString& why) {
        if (error != nullptr) {
            *error = QStringLiteral("焊材选用单未能保存到 %1：%2")
                         .arg(QDir::toNativeSeparators(fileName), why);
        }
        return false;
    };

    // The PDF is made in memory; only a finished one goes to disk.
    QBuffer pdfBytes;
    pdfBytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&pdfBytes);
        pdf.setTitle(toQString(kAnswerSheetTitle));
        pdf.setCreator(QStringLiteral("Velmora"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                      QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            if (notDrawn != nullptr) {
                *notDrawn = true;
            }
            return fail(QStringLiteral("无法生成 PDF"));
        }
        const QRect printable = pdf.pageLayout().paintRectPixels(pdf.resolution());
        paintAnswerSheet(painter, QRectF(QPointF(0, 0), printable.size()), sheet);
        painter.end();
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(file.errorString());
    }
    if (file.write(pdfBytes.data()) != pdfBytes.data().size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit()) {
        return fail(file.errorString());
    }
    return true;
}

QString proposedSheetFileName(const QStringList& materials) {
    QString name = toQString(kAnswerSheetTitle);
    for (const QString& m : materials) {
        name += QLatin1Char('_') + m;
    }
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    return name + QStringLiteral(".pdf");
}

} // namespace velmora::sheet
