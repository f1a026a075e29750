#include "joints/workbook_parts.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr std::string_view kDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr std::string_view kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// Text as XML holds it: the five markup characters escaped, and the control characters
// XML 1.0 cannot hold at all written as Excel writes them (_x0001_); "_x" itself is
// escaped so that such a text reads back as it was.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\r':
            out += "_x000D_";
            break;
        default:
            if (c < 0x20 && c != '\t' && c != '\n') {
                static constexpr char kHex[] = "0123456789ABCDEF";
                out += "_x00";
                out += kHex[c >> 4];
                out += kHex[c & 15];
                out += '_';
            } else if (c == '_' && text.substr(i).starts_with("_x")) {
                out += "_x005F_";
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

// "A" of 0, "AB" of 27.
std::string columnName(std::size_t column) {
    std::string name;
    for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26) {
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    }
    return name;
}

// How wide a text shows, in Excel's character widths: a CJK or full-width character
// takes two, as it does in the Song face; the longest line of a cell counts.
std::size_t shownWidth(std::string_view text) {
    std::size_t widest = 0;
    std::size_t width = 0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\n') {
            widest = std::max(widest, width);
            width = 0;
        } else if ((c & 0xC0) != 0x80) {
            width += c >= 0xE0 ? 2 : 1;
        }
    }
    return std::max(widest, width);
}

std::string cellXml(std::size_t row, std::size_t column, std::string_view text, bool header) {
    std::string xml = "<c r=\"" + columnName(column) + std::to_string(row) + "\"" +
                      (header ? " s=\"1\"" : "") + " t=\"inlineStr\"><is><t";
    const bool spaced = !text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                          text.find('\n') != std::string_view::npos);
    xml += spaced ? " xml:space=\"preserve\">" : ">";
    return xml + escaped(text) + "</t></is></c>";
}

std::string sheetXml(const JointsTable& table) {
    std::vector<std::size_t> widths(table.header.size(), 8);
    const auto measure = [&](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], std::min<std::size_t>(shownWidth(cells[c]) + 2, 80));
        }
    };
    measure(table.header);
    std::for_each(table.rows.begin(), table.rows.end(), measure);

    std::string xml = std::string(kDeclaration) + "<worksheet xmlns=\"" + std::string(kMain) +
                      "\"><sheetViews><sheetView workbookViewId=\"0\">"
                      "<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" "
                      "state=\"frozen\"/></sheetView></sheetViews><cols>";
    for (std::size_t c = 0; c < widths.size(); ++c) {
        xml += "<col min=\"" + std::to_string(c + 1) + "\" max=\"" + std::to_string(c + 1) +
               "\" width=\"" + std::to_string(widths[c]) + "\" customWidth=\"1\"/>";
    }
    xml += "</cols><sheetData>";
    const auto row = [&](std::size_t number, const std::vector<std::string>& cells, bool header) {
        xml += "<row r=\"" + std::to_string(number) + "\">";
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (!cells[c].empty() || header) {
                xml += cellXml(number, c, cells[c], header);
            }
        }
        xml += "</row>";
    };
    row(1, table.header, true);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        row(r + 2, table.rows[r], false);
    }
    return xml + "</sheetData></worksheet>";
}

} // namespace

std::vector<WorkbookPart> workbookParts(const JointsTable& table) {
    const std::string rels = std::string(kRelationships);
    const std::string relType = rels + "/";
    return {
        {"[Content_Types].xml",
         std::string(kDeclaration) +
             "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
             "<Default Extension=\"rels\" "
             "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
             "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
             "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
             "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
             "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/"
             "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
             "<Override PartName=\"/xl/styles.xml\" ContentType=\"application/"
             "vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>"},
        {"_rels/.rels", std::string(kDeclaration) +
                            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                            "relationships\"><Relationship Id=\"rId1\" Type=\"" +
                            relType +
                            "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", std::string(kDeclaration) + "<workbook xmlns=\"" + std::string(kMain) +
                                "\" xmlns:r=\"" + rels + "\"><sheets><sheet name=\"" +
                                std::string(kAnswersSheetName) +
                                "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         std::string(kDeclaration) +
             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
             "relationships\"><Relationship Id=\"rId1\" Type=\"" +
             relType +
             "worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
             "Type=\"" +
             relType + "styles\" Target=\"styles.xml\"/></Relationships>"},
        {"xl/styles.xml",
         std::string(kDeclaration) + "<styleSheet xmlns=\"" + std::string(kMain) +
             "\"><fonts count=\"2\"><font><sz val=\"11\"/><name val=\"宋体\"/></font>"
             "<font><b/><sz val=\"11\"/><name val=\"宋体\"/></font></fonts>"
             "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
             "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
             "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border>"
             "</borders><cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
             "borderId=\"0\"/></cellStyleXfs><cellXfs count=\"2\"><xf numFmtId=\"0\" fontId=\"0\" "
             "fillId=\"0\" borderId=\"0\" xfId=\"0\"><alignment wrapText=\"1\" "
             "vertical=\"top\"/></xf>"
             "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
             "applyFont=\"1\"/></cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" "
             "xfId=\"0\" builtinId=\"0\"/></cellStyles></styleSheet>"},
        {"xl/worksheets/sheet1.xml", sheetXml(table)},
    };
}

} // namespace velmora
