#include "answers/rule_fingerprint.h"
#include "presentation/processes.h"
#include "sheet/answer_sheet.h"
#include "sheet/usage_notice.h"
#include "text_support.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace velmora;
using velmora::sheet::AnswerSheet;

namespace {

QString withoutSpaces(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// What a poppler-utils tool prints about a PDF, run in the C locale; a null string
// where the tool cannot be run.
QString poppler(const QString& tool, const QStringList& arguments) {
#ifdef Q_OS_WIN
    Q_UNUSED(tool);
    Q_UNUSED(arguments);
    return {};
#else
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        return {};
    }
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    run.setProcessEnvironment(environment);
    run.start(program, arguments);
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
#endif
}

// Where the sheet's table stands, as fractions of the page's width and height.
struct TablePlace {
    qreal columnLine = -1;       // the left edge of the line between the two columns
    qreal secondColumnText = -1; // the leftmost ink of the texts right of it
    qreal top = -1;              // the table's top line
};

// Read off the painted page: rows dark nearly all across are the table's lines (the
// first is its top); columns dark nearly as long as the longest are its three upright
// lines, left edge, column line and right edge.
TablePlace tablePlaceOn(const QImage& page) {
    const int w = page.width();
    const int h = page.height();
    const auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    QList<bool> ruled(h);
    QList<int> inkDown(w);
    for (int y = 0; y < h; ++y) {
        int across = 0;
        for (int x = 0; x < w; ++x) {
            across += dark(x, y) ? 1 : 0;
            inkDown[x] += dark(x, y) ? 1 : 0;
        }
        ruled[y] = across > w * 9 / 10;
    }
    QList<int> upright; // the first column of each upright line
    const int longest = *std::max_element(inkDown.cbegin(), inkDown.cend());
    for (int x = 0; x < w; ++x) {
        if (inkDown[x] > longest * 8 / 10 && (x == 0 || inkDown[x - 1] <= longest * 8 / 10)) {
            upright << x;
        }
    }
    TablePlace place;
    if (upright.size() != 3 || !ruled.contains(true)) {
        return place;
    }
    const int column = upright[1];
    place.columnLine = qreal(column) / w;
    place.top = qreal(ruled.indexOf(true)) / h;
    int text = w;
    for (int y = 0; y < h; ++y) {
        if (ruled[y] || !dark(column, y)) {
            continue; // a line of the table, or outside it
        }
        int x = column;
        while (x < upright[2] && dark(x, y)) {
            ++x; // the column line itself
        }
        for (; x < std::min(text, upright[2]); ++x) {
            if (dark(x, y)) {
                text = x;
            }
        }
    }
    place.secondColumnText = qreal(text) / w;
    return place;
}

// The printable part of an A4 page (20 mm margins) at the given resolutions.
QImage paintedPage(const AnswerSheet& sheet, int dpiX, int dpiY) {
    QImage page(qRound(170 / 25.4 * dpiX), qRound(257 / 25.4 * dpiY), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpiX / 0.0254));
    page.setDotsPerMeterY(qRound(dpiY / 0.0254));
    page.fill(Qt::white);
    QPainter painter(&page);
    sheet::paintAnswerSheet(painter, QRectF(page.rect()), sheet);
    return page;
}

} // namespace

class AnswerSheetTest : public QObject {
    Q_OBJECT
private slots:
    void pdfHoldsTheAnswersAsText_data();
    void pdfHoldsTheAnswersAsText();
    void failedSaveLeavesNothing();
    void placesHoldAtUnequalResolutions_data();
    void placesHoldAtUnequalResolutions();
    void proposedFileName_data();
    void proposedFileName();
};

void AnswerSheetTest::pdfHoldsTheAnswersAsText_data() {
    QTest::addColumn<QString>("material1");
    QTest::addColumn<QString>("material2");
    QTest::addColumn<int>("unanswered"); // processes without a rule
    QTest::addColumn<QString>("drawn");  // the drawing's name of material 2, if not its own

    QTest::newRow("every process answers, the longest text") << "16MnR"
                                                             << "40Cr" << 0 << "";
    QTest::newRow("only SMAW has a rule for the pair") << "0Cr18Ni10Ti(321)"
                                                       << "15CrMo(G、R)" << 3 << "";
    QTest::newRow("SAW has no entry for the material") << "1Cr23Ni13(-)"
                                                       << "" << 1 << "";
    QTest::newRow("the longest names, no rule") << "Inconel625(UNS N06625)"
                                                << "Incoloy800(UNS N08800)" << 4 << "";
    QTest::newRow("a material named as today's drawings name it")
        << "20g"
        << "0Cr18Ni9(304)" << 0 << "S30408";
}

// One A4 page (as pdfinfo reads it back); its text (as pdftotext reads it back) holds
// the title, the date and time, the materials, every process's three texts or the
// not-found line, and the usage notice. Spaces are left out of the comparison: PDF
// text keeps positions, not the runs of spaces.
void AnswerSheetTest::pdfHoldsTheAnswersAsText() {
    QFETCH(QString, material1);
    QFETCH(QString, material2);
    QFETCH(int, unanswered);
    QFETCH(QString, drawn);

    std::vector<Translation> translations;
    if (!drawn.isEmpty()) {
        translations.push_back({toStd(drawn), lookUpMaterialName(toStd(drawn)).known});
    }
    const std::string m1 = toStd(material1);
    const std::string m2 = toStd(material2);
    const QDateTime when(QDate(2026, 12, 8), QTime(7, 5));
    QTemporaryDir dir;
    const QString file = dir.filePath("sheet.pdf");
    QString error;
    QVERIFY(
        sheet::saveAnswerSheetPdf(file, sheet::answerSheetFor(m1, m2, when, translations), &error));
    QVERIFY(error.isEmpty());

    QFile pdfFile(file);
    QVERIFY(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray pdf = pdfFile.readAll();
    if (QFontDatabase::families().contains("AR PL UMing CN")) {
        QVERIFY(pdf.contains("/BaseFont /UMing"));
    }

    const QString info = poppler("pdfinfo", {file});
    // -layout: no joining of "--" line ends
    const QString extracted = poppler("pdftotext", {"-layout", file, "-"});
    if (info.isNull() || extracted.isNull()) {
        QSKIP("pdfinfo and pdftotext (poppler-utils) are not available to read the PDF back");
    }
    const auto field = [&info](const char* pattern) {
        return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(info);
    };
    const QRegularExpressionMatch pages = field(R"(^Pages:\s+(\d+)\s*$)");
    const QRegularExpressionMatch size = field(R"(^Page size:\s+([\d.]+) x ([\d.]+) pts)");
    QVERIFY2(pages.hasMatch() && size.hasMatch(), qPrintable(info));
    QCOMPARE(pages.captured(1).toInt(), 1);
    // A4, 210 × 297 mm, is 595.3 × 841.9 points.
    QVERIFY2(qAbs(size.captured(1).toDouble() - 595.3) < 1 &&
                 qAbs(size.captured(2).toDouble() - 841.9) < 1,
             qPrintable(size.captured(0)));
    const QString text = withoutSpaces(extracted);
    QStringList wanted{"焊材选用单", "日期：2026-12-0807:05", withoutSpaces(sheet::usageNotice()),
                       "规则库1.0·" + answers::ruleFingerprint()};
    for (const QString& m : {material1, material2}) {
        if (!m.isEmpty()) {
            wanted << withoutSpaces(m);
        }
    }
    if (!drawn.isEmpty()) {
        wanted << withoutSpaces("材料2：" + material2 + "（图纸写作" + drawn + "）");
    }
    for (const ProcessName& p : kProcessNames) {
        QString row = toQString(p.caption);
        const Outcome outcome = recommend(p.process, m1, m2);
        if (const auto* texts = std::get_if<Recommendation>(&outcome)) {
            for (std::string_view t : *texts) {
                row += toQString(t);
            }
        } else {
            row += toQString(kNoConsumableText);
        }
        wanted << withoutSpaces(row);
    }
    for (const QString& w : wanted) {
        QVERIFY2(text.contains(w), qPrintable(w + " not in " + text));
    }
    QCOMPARE(text.count(toQString(kNoConsumableText)), unanswered);
}

// A file that cannot be made is said, and nothing appears under its name.
void AnswerSheetTest::failedSaveLeavesNothing() {
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString file = dir.filePath("plain/sheet.pdf");
    QString error;
    QVERIFY(!sheet::saveAnswerSheetPdf(file, sheet::answerSheetFor("16MnR", "", {}), &error));
    QVERIFY2(error.startsWith("焊材选用单未能保存到 " + QDir::toNativeSeparators(file) + "："),
             qPrintable(error));
    QVERIFY(!QFile::exists(file));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"plain"});
}

void AnswerSheetTest::placesHoldAtUnequalResolutions_data() {
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::newRow("finer across") << 300 << 150;
    QTest::newRow("finer down") << 150 << 300;
}

// A printer may resolve finer one way than the other (1200 × 600 dpi): the column line,
// the texts right of it and the table's top stand where they do at equal resolutions.
void AnswerSheetTest::placesHoldAtUnequalResolutions() {
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    const AnswerSheet sheet =
        sheet::answerSheetFor("16MnR", "Q235-B,C", QDateTime(QDate(2026, 12, 8), QTime(7, 5)));
    const TablePlace square = tablePlaceOn(paintedPage(sheet, 150, 150));
    const TablePlace unequal = tablePlaceOn(paintedPage(sheet, dpiX, dpiY));
    QVERIFY(square.columnLine > 0.2 && square.columnLine < 0.3); // 45 mm of 170 mm
    QVERIFY2(qAbs(unequal.columnLine - square.columnLine) < 0.005,
             qPrintable(QString::number(unequal.columnLine)));
    QVERIFY(square.secondColumnText > square.columnLine);
    QVERIFY2(qAbs(unequal.secondColumnText - square.secondColumnText) < 0.005,
             qPrintable(QString::number(unequal.secondColumnText)));
    QVERIFY(square.top > 0);
    QVERIFY2(qAbs(unequal.top - square.top) < 0.005, qPrintable(QString::number(unequal.top)));
}

void AnswerSheetTest::proposedFileName_data() {
    QTest::addColumn<QStringList>("materials");
    QTest::addColumn<QString>("name");

    QTest::newRow("pair") << QStringList{"16MnR", "Q235-B,C"} << "焊材选用单_16MnR_Q235-B,C.pdf";
    QTest::newRow("one") << QStringList{"15CrMo(G、R)"} << "焊材选用单_15CrMo(G、R).pdf";
    QTest::newRow("space and hash stay") << QStringList{"AL-6XN(UNS N08367)", "10#,20#(管)"}
                                         << "焊材选用单_AL-6XN(UNS N08367)_10#,20#(管).pdf";
    QTest::newRow("unsafe characters")
        << QStringList{"a/b\\c:d*e?f\"g<h>i|j\tk"} << "焊材选用单_a_b_c_d_e_f_g_h_i_j_k.pdf";
}

void AnswerSheetTest::proposedFileName() {
    QFETCH(QStringList, materials);
    QFETCH(QString, name);
    QCOMPARE(sheet::proposedSheetFileName(materials), name);
}

QTEST_MAIN(AnswerSheetTest)
#include "answer_sheet_test.moc"
