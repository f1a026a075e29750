#include "presentation/answer_rows.h"

#include "catalogue/catalogue.h"

namespace velmora {

std::array<AnswerRow, kProcessCount> rowsFor(std::string_view material1, std::string_view material2,
                                             int line, std::span<const std::string> carried,
                                             std::span<const Translation> translations) {
    // A joint of one material, welded to itself: no table has a pair rule for that,
    // and the material's own entry is the answer, as one ticked box gives it.
    const bool itself = !material1.empty() && material1 == material2;
    const std::array<ProcessAnswer, kProcessCount> answers =
        recommendEveryProcess(material1, itself ? std::string_view{} : material2);
    std::array<AnswerRow, kProcessCount> rows{};
    for (std::size_t p = 0; p < kProcessCount; ++p) {
        rows[p] = {material1, material2, answers[p], line, carried, translations};
    }
    return rows;
}

std::string_view outcomeName(const Outcome& outcome) {
    if (std::holds_alternative<Recommendation>(outcome)) {
        return "answer";
    }
    return std::holds_alternative<NotFound>(outcome) ? "not_found" : "no_entry";
}

std::vector<AnswerRow> everyAnswer() {
    // Asked joint by joint, listed process by process.
    std::vector<std::array<AnswerRow, kProcessCount>> joints{rowsFor({}, {})};
    for (const Material& m : kMaterials) {
        joints.push_back(rowsFor(m.designation, {}));
    }
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        for (std::size_t j = i + 1; j < kMaterials.size(); ++j) {
            joints.push_back(rowsFor(kMaterials[i].designation, kMaterials[j].designation));
        }
    }
    std::vector<AnswerRow> all;
    all.reserve(joints.size() * kProcessCount);
    for (std::size_t p = 0; p < kProcessCount; ++p) {
        for (const auto& rows : joints) {
            all.push_back(rows[p]);
        }
    }
    return all;
}

} // namespace velmora
