#include "catalogue/name_texts.h"

#include <span>

namespace velmora {
namespace {

std::string quoted(std::span<const Material* const> materials) {
    std::string out;
    for (const Material* m : materials) {
        out += (out.empty() ? "“" : "、“") + std::string(m->designation) + "”";
    }
    return out;
}

// "06Cr19Ni10（现行国标牌号，GB/T 20878-2007）、S30408（统一数字代号，…）": the
// material's known names but `besides`.
std::string knownNamesOf(const Material& m, const KnownName* besides) {
    std::string out;
    for (const KnownName& k : kKnownNames) {
        if (k.designation == m.designation && &k != besides) {
            out += (out.empty() ? "" : "、") + std::string(k.name) + "（" +
                   std::string(nameKindText(k.kind)) + "，" + std::string(k.standard) + "）";
        }
    }
    return out;
}

} // namespace

std::string readAsText(const KnownName& known) {
    return std::string(known.name) + " 按 " + std::string(known.standard) + " 即 " +
           std::string(known.designation);
}

std::string nameProblemText(std::string_view typed, const NameLookup& lookup) {
    const std::string name = "“" + std::string(typed) + "”";
    if (lookup.refused()) {
        std::string text = name + "不能作为目录中的材料：" + std::string(lookup.known->fact);
        if (!lookup.candidates.empty()) {
            text += "。可能是：" + quoted(lookup.candidates);
        }
        return text;
    }
    if (lookup.ambiguous) {
        return name + "可指多种材料：" + quoted(lookup.candidates);
    }
    return "没有名为" + name + "的材料，最接近的是：" + quoted(lookup.candidates);
}

std::vector<std::string> nameExplanation(std::string_view typed, const NameLookup& lookup) {
    if (lookup.material == nullptr) {
        return {nameProblemText(typed, lookup)};
    }
    const Material& m = *lookup.material;
    const std::string material(m.designation);
    std::string how;
    switch (lookup.by) {
    case NamedBy::Designation:
        how = material + "：目录中的牌号";
        break;
    case NamedBy::Grade:
        how = "“" + std::string(typed) + "”即 " + material + "：目录牌号括号中的牌号";
        break;
    case NamedBy::WithoutBrackets:
        how = "“" + std::string(typed) + "”即 " + material + "：目录牌号去掉括号部分";
        break;
    case NamedBy::KnownName:
        how = readAsText(*lookup.known) + "：" + std::string(nameKindText(lookup.known->kind)) +
              "，" + std::string(lookup.known->fact);
        break;
    }
    std::vector<std::string> lines{how};
    if (const std::string others = knownNamesOf(m, lookup.known); !others.empty()) {
        lines.push_back(material + " 的其他名称：" + others);
    }
    return lines;
}

} // namespace velmora
