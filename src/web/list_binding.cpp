// The page's joint lists: a list read from the text the page decoded, or from the sheet
// it read out of a workbook, then answered as velmora-cli answers it. The page keeps
// only what is about the browser (the file's bytes, the zip, the XML, the download).

#include "binding_values.h"
#include "joints/joints_table.h"
#include "joints/list_cells.h"
#include "joints/workbook_cells.h"
#include "joints/workbook_parts.h"
#include "presentation/processes.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using emscripten::val;
using namespace velmora;
using velmora::web::text;
using velmora::web::texts;

// The joint list the page has open: read once, answered for whichever processes the
// page asks for.
JointList& openList() {
    static JointList list;
    return list;
}

std::string textOf(const val& v) {
    return v.isUndefined() || v.isNull() ? std::string() : v.as<std::string>();
}

// {faults: [{line, reason}]} for the list read.
val listRead(JointList list) {
    openList() = std::move(list);
    val faults = val::array();
    for (const ListFault& f : openList().faults) {
        val fault = val::object();
        fault.set("line", f.line);
        fault.set("reason", text(f.reason));
        faults.call<void>("push", fault);
    }
    val result = val::object();
    result.set("faults", faults);
    return result;
}

// A list as text (the page decodes the file's bytes).
val openListText(const std::string& text) {
    return listRead(readJointList(text));
}

// A list as a workbook's sheet, as the page read it out of the package:
// {sharedStrings: [...], rows: [{ref, cells: [{ref, type, text}]}], merges: [...]};
// {problem} where the sheet cannot be read.
val openListSheet(const val& sheet) {
    SheetContent content;
    content.sharedStrings = emscripten::vecFromJSArray<std::string>(sheet["sharedStrings"]);
    content.merges = emscripten::vecFromJSArray<std::string>(sheet["merges"]);
    const val rows = sheet["rows"];
    const auto rowCount = rows["length"].as<std::size_t>();
    for (std::size_t r = 0; r < rowCount; ++r) {
        const val row = rows[r];
        SheetRow sheetRow{textOf(row["ref"]), {}};
        const val cells = row["cells"];
        const auto cellCount = cells["length"].as<std::size_t>();
        for (std::size_t c = 0; c < cellCount; ++c) {
            const val cell = cells[c];
            sheetRow.cells.push_back(
                {textOf(cell["ref"]), textOf(cell["type"]), textOf(cell["text"])});
        }
        content.rows.push_back(std::move(sheetRow));
    }
    auto read = sheetRows(content);
    if (const std::string* problem = std::get_if<std::string>(&read)) {
        val result = val::object();
        result.set("problem", text(*problem));
        return result;
    }
    return listRead(readJointList(std::get<std::vector<ListRow>>(std::move(read))));
}

std::vector<Process> listProcesses(int process) {
    std::vector<Process> processes;
    for (const ProcessName& p : kProcessNames) {
        if (process < 0 || process == static_cast<int>(p.process)) {
            processes.push_back(p.process);
        }
    }
    return processes;
}

// The open list answered for one process (its index) or, for -1, all four:
// {header, rows, lines}.
val listTable(int process) {
    const JointsTable table = jointsTable(openList(), listProcesses(process));
    val rows = val::array();
    for (const auto& row : table.rows) {
        rows.call<void>("push", texts(row));
    }
    val result = val::object();
    result.set("header", texts(table.header));
    result.set("rows", rows);
    val lines = val::array();
    for (int line : table.lines) {
        lines.call<void>("push", line);
    }
    result.set("lines", lines);
    return result;
}

std::string listCsv(int process) {
    return csvText(jointsTable(openList(), listProcesses(process)));
}

// The parts of the answered list's workbook, [{path, xml}], for the page to zip.
val listWorkbook(int process) {
    val parts = val::array();
    for (const WorkbookPart& part :
         workbookParts(jointsTable(openList(), listProcesses(process)))) {
        val p = val::object();
        p.set("path", text(part.path));
        p.set("xml", text(part.xml));
        parts.call<void>("push", p);
    }
    return parts;
}

val listLimits() {
    val limits = val::object();
    limits.set("partBytes", static_cast<double>(kPartBytesAtMost));
    limits.set("rows", static_cast<double>(kSheetRowsAtMost));
    return limits;
}

// Why the file cannot be read as a list, as velmora-cli says it.
std::string damagedWorkbook(const std::string& why) {
    return damagedWorkbookText(why);
}

std::string unreadableFile(bool oldExcel) {
    return unreadableFileText(oldExcel);
}

// How a text list's bytes (a Uint8Array) are to be decoded: {encoding} the name the
// browser's TextDecoder knows, "" for not at all, and {from} where the text starts.
val listEncoding(const val& bytes) {
    const std::vector<std::uint8_t> owned =
        emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
    const std::string_view file(reinterpret_cast<const char*>(owned.data()), owned.size());
    const ListBytes read = listBytes(file);
    val result = val::object();
    result.set("encoding", text(read.encoding == ListEncoding::Utf8      ? "utf-8"
                                : read.encoding == ListEncoding::Gb18030 ? "gb18030"
                                                                         : ""));
    result.set("from", static_cast<double>(file.size() - read.bytes.size()));
    return result;
}

} // namespace

EMSCRIPTEN_BINDINGS(velmora_lists) {
    emscripten::function("openListText", &openListText);
    emscripten::function("openListSheet", &openListSheet);
    emscripten::function("listTable", &listTable);
    emscripten::function("listCsv", &listCsv);
    emscripten::function("listWorkbook", &listWorkbook);
    emscripten::function("listLimits", &listLimits);
    emscripten::function("damagedWorkbook", &damagedWorkbook);
    emscripten::function("unreadableFile", &unreadableFile);
    emscripten::function("listEncoding", &listEncoding);
}
