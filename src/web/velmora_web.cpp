// The core for the web page: every text the page shows about materials, groups,
// processes, answers and notices comes from here, so that the page never holds a
// second copy of what the desktop program knows. Each function is one call the page
// makes; the page keeps no state of its own but the selection held here.

#include "binding_values.h"
#include "catalogue/catalogue.h"
#include "catalogue/material_names.h"
#include "catalogue/name_texts.h"
#include "presentation/answer_sheet_text.h"
#include "presentation/answer_table.h"
#include "presentation/notices.h"
#include "presentation/processes.h"
#include "presentation/usage_notice.h"
#include "selection/answer_link.h"
#include "selection/selection_model.h"
#include "version.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace {

using emscripten::val;
using namespace velmora;
using velmora::web::text;
using velmora::web::texts;

val notice(const Notice& n) {
    val object = val::object();
    object.set("text", text(n.text));
    object.set("title", text(n.title));
    return object;
}

// The materials in their fourteen groups, as the main window lists them.
val groups() {
    val list = val::array();
    for (const MaterialGroup& g : kGroups) {
        val materials = val::array();
        for (const Material* m : listedIn(g)) {
            materials.call<void>("push", text(m->designation));
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
          int hour, int minute) {
    const AnswerSheetText s =
        answerSheetText(slot1, slot2, sheetMoment(year, month, day, hour, minute));
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

// What the page's address chooses: {materials, readAs, problem} (see readLink()).
val chosenByLink(const std::string& fragment) {
    const LinkChoice choice = readLink(fragment);
    val materials = val::array();
    for (const Material* m : choice.materials) {
        materials.call<void>("push", text(m->designation));
    }
    val result = val::object();
    result.set("materials", materials);
    result.set("readAs", texts(choice.readAs));
    result.set("problem", text(choice.problem));
    return result;
}

// The address of the selection's designations (as many as the page passes).
std::string link(const val& designations) {
    const auto owned = emscripten::vecFromJSArray<std::string>(designations);
    const std::vector<std::string_view> views(owned.begin(), owned.end());
    return linkFor(views);
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

std::string fingerprint() {
    return ruleFingerprint();
}

} // namespace

EMSCRIPTEN_BINDINGS(velmora) {
    emscripten::function("version", &version);
    emscripten::function("ruleBaseText", &rules);
    emscripten::function("fingerprint", &fingerprint);
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
    emscripten::function("readLink", &chosenByLink);
    emscripten::function("linkFor", &link);
    emscripten::function("usageNotice", &usageNotice);
}
