// The core for the web page: every text the page shows about materials, groups,
// processes, answers and notices comes from here, so that the page never holds a
// second copy of what the desktop program knows. Each function is one call the page
// makes; the page keeps no state of its own but the selection held here.

#include "catalogue/catalogue.h"
#include "catalogue/material_names.h"
#include "catalogue/name_texts.h"
#include "joints/joints_table.h"
#include "joints/workbook_cells.h"
#include "joints/workbook_parts.h"
#include "recommend/answer_sheet_text.h"
#include "recommend/answer_table.h"
#include "recommend/notices.h"
#include "recommend/processes.h"
#include "recommend/usage_notice.h"
#include "selection/selection_model.h"
#include "version.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace {

using emscripten::val;
using namespace velmora;

val text(std::string_view s) {
    return val(std::string(s));
}

template <typename Range> val texts(const Range& range) {
    val array = val::array();
    for (const auto& item : range) {
        array.call<void>("push", text(item));
    }
    return array;
}

val notice(const Notice& n) {
    val object = val::object();
    object.set("text", text(n.text));
    object.set("title", text(n.title));
    return object;
}

// The materials in their fourteen groups, as the main window lists them: 904L(UNS
// N08904) stands last in "TG".
val groups() {
    val list = val::array();
    for (const MaterialGroup& g : kGroups) {
        val materials = val::array();
        for (const Material& m : members(g)) {
            materials.call<void>("push", text(m.designation));
        }
        if (g.id == GroupId::TG) {
            materials.call<void>("push", text(kMaterials.back().designation));
        }
        val group = val::object();
        group.set("caption", text(g.caption));
        group.set("materials", materials);
        list.call<void>("push", group);
    }
    return list;
}

// What a typed name means, as velmora-cli resolves it: {material} with the
// designation and {readAs}, what a name of today's drawings was read as ("" for the
// catalogue's own names); or "" and {candidates}, {ambiguous} when it fits several,
// {refused} when the known names refuse it, and {problem}, the sentence that says so.
val lookUp(const std::string& typed) {
    const NameLookup found = lookUpMaterialName(typed);
    val result = val::object();
    result.set("material", text(found.material != nullptr ? found.material->designation : ""));
    result.set("readAs", found.material != nullptr && found.known != nullptr
                             ? readAsText(*found.known)
                             : std::string());
    result.set("problem",
               found.material == nullptr ? nameProblemText(typed, found) : std::string());
    result.set("refused", found.refused());
    result.set("ambiguous", found.ambiguous);
    val candidates = val::array();
    for (const Material* m : found.candidates) {
        candidates.call<void>("push", text(m->designation));
    }
    result.set("candidates", candidates);
    return result;
}

bool startsWith(const std::string& designation, const std::string& typed) {
    const Material* m = findMaterial(designation);
    return m != nullptr && nameStartsWith(*m, typed);
}

// The page's one selection, the main window's model.
SelectionModel& selection() {
    static SelectionModel model;
    return model;
}

// {refused: false}, or {refused: true, text, title} with the notice to show.
val tick(const std::string& designation) {
    if (const Material* m = findMaterial(designation)) {
        const auto ticked = selection().tick(*m);
        if (const auto* refused = std::get_if<SelectionModel::Refused>(&ticked)) {
            val result = notice(refused->notice);
            result.set("refused", true);
            return result;
        }
    }
    val result = val::object();
    result.set("refused", false);
    return result;
}

void untick(const std::string& designation) {
    if (const Material* m = findMaterial(designation)) {
        selection().untick(*m);
    }
}

void clearSelection() {
    selection().clear();
}

val slotTexts() {
    const auto [slot1, slot2] = selection().slotTexts();
    return texts(std::array{slot1, slot2});
}

// The four processes' answers for the two slots, in button order: each its caption,
// key, outcome ("answer", "not_found", "no_entry") and three texts, or the notice the
// results window shows instead.
val answers(const std::string& slot1, const std::string& slot2) {
    val list = val::array();
    for (const ProcessAnswer& answer : recommendEveryProcess(slot1, slot2)) {
        val item = val::object();
        item.set("caption", text(processName(answer.process).caption));
        item.set("key", text(processName(answer.process).key));
        item.set("outcome", text(outcomeName(answer.outcome)));
        if (const auto* recommendation = std::get_if<Recommendation>(&answer.outcome)) {
            item.set("texts", texts(*recommendation));
            item.set("dash", recommendsNothing(*recommendation));
        } else {
            item.set("texts", val::array());
            item.set("notice",
                     notice(std::holds_alternative<NotFound>(answer.outcome) ? kNotFoundNotice
                                                                             : kNoEntryNotice));
        }
        list.call<void>("push", item);
    }
    return list;
}

// What Ctrl+C in the results window copies for the process's answer; "" where the
// process has none.
std::string copied(const std::string& slot1, const std::string& slot2, int process) {
    if (process < 0 || process >= static_cast<int>(kProcessCount)) {
        return {};
    }
    const Process p = kProcessNames[static_cast<std::size_t>(process)].process;
    const Outcome outcome = recommend(p, slot1, slot2);
    const auto* recommendation = std::get_if<Recommendation>(&outcome);
    return recommendation != nullptr ? copiedAnswer(materialsLine(slot1, slot2), p, *recommendation)
                                     : std::string();
}

val sheet(const std::string& slot1, const std::string& slot2, int year, int month, int day,
          int hour, int minute, const std::string& fingerprint) {
    const AnswerSheetText s =
        answerSheetText(slot1, slot2, sheetMoment(year, month, day, hour, minute), fingerprint);
    val rows = val::array();
    for (const AnswerSheetText::Row& row : s.rows) {
        val r = val::object();
        r.set("process", text(row.process));
        r.set("lines", texts(row.lines));
        rows.call<void>("push", r);
    }
    val result = val::object();
    result.set("title", text(s.title));
    result.set("heading", texts(s.heading));
    result.set("columns", texts(s.columns));
    result.set("rows", rows);
    result.set("notice", text(s.notice));
    result.set("edition", text(s.edition));
    return result;
}

val notices() {
    val result = val::object();
    result.set("tooMany", notice(SelectionModel::kTooManyNotice));
    result.set("nothingChosen", notice(SelectionModel::kNothingChosenNotice));
    result.set("dashAnswer", text(kDashAnswerText));
    return result;
}

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
    limits.set("saveAs", text(kSaveAsAdvice));
    return limits;
}

std::string version() {
    return std::string(kVersion);
}

std::string usageNotice() {
    return std::string(kUsageNotice);
}

std::string rules() {
    return ruleBaseText();
}

} // namespace

EMSCRIPTEN_BINDINGS(velmora) {
    emscripten::function("version", &version);
    emscripten::function("ruleBaseText", &rules);
    emscripten::function("groups", &groups);
    emscripten::function("lookUp", &lookUp);
    emscripten::function("startsWith", &startsWith);
    emscripten::function("tick", &tick);
    emscripten::function("untick", &untick);
    emscripten::function("clearSelection", &clearSelection);
    emscripten::function("slots", &slotTexts);
    emscripten::function("answers", &answers);
    emscripten::function("copiedAnswer", &copied);
    emscripten::function("sheet", &sheet);
    emscripten::function("sheetMoment", &sheetMoment);
    emscripten::function("notices", &notices);
    emscripten::function("usageNotice", &usageNotice);
    emscripten::function("openListText", &openListText);
    emscripten::function("openListSheet", &openListSheet);
    emscripten::function("listTable", &listTable);
    emscripten::function("listCsv", &listCsv);
    emscripten::function("listWorkbook", &listWorkbook);
    emscripten::function("listLimits", &listLimits);
}
