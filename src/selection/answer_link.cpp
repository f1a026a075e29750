#include "selection/answer_link.h"

#include "catalogue/material_names.h"
#include "catalogue/name_folding.h"
#include "catalogue/name_texts.h"
#include "selection/selection_model.h"

#include <algorithm>
#include <optional>

namespace velmora {
namespace {

constexpr std::string_view kNothingChosen = "未选择任何材料。";

bool keptAsIs(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("-_.!~*'()").find(c) != std::string_view::npos;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
        return (c | 0x20) - 'a' + 10;
    }
    return -1;
}

// A part of the fragment without its percent-encoding; nothing where that is broken (a
// '%' without two hex digits, or bytes that are not UTF-8), as decodeURIComponent.
std::optional<std::string> percentDecoded(std::string_view part) {
    std::string out;
    out.reserve(part.size());
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] != '%') {
            out += part[i];
            continue;
        }
        const int high = i + 2 < part.size() ? hexValue(part[i + 1]) : -1;
        const int low = i + 2 < part.size() ? hexValue(part[i + 2]) : -1;
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    if (!isUtf8(out)) {
        return std::nullopt;
    }
    return out;
}

LinkChoice refused(std::string problem) {
    return {{}, {}, std::move(problem) + std::string(kNothingChosen)};
}

} // namespace

std::string linkFor(std::span<const std::string_view> designations) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string link = "#";
    for (std::size_t d = 0; d < designations.size(); ++d) {
        if (d > 0) {
            link += '&';
        }
        for (const char c : designations[d]) {
            if (keptAsIs(c)) {
                link += c;
            } else {
                const auto byte = static_cast<unsigned char>(c);
                link += '%';
                link += kHex[byte >> 4];
                link += kHex[byte & 15];
            }
        }
    }
    return link;
}

LinkChoice readLink(std::string_view fragment) {
    if (fragment.starts_with('#')) {
        fragment.remove_prefix(1);
    }
    std::vector<std::string> names;
    for (std::size_t at = 0; at <= fragment.size();) {
        const std::size_t end = std::min(fragment.find('&', at), fragment.size());
        const std::optional<std::string> name = percentDecoded(fragment.substr(at, end - at));
        if (!name) {
            return refused("这个链接中的材料名编码有误，");
        }
        if (!trimmed(foldFullWidth(*name)).empty()) {
            names.emplace_back(trimmed(*name));
        }
        at = end + 1;
    }
    if (names.size() > 2) {
        return refused("这个链接给出的材料多于两种：" +
                       std::string(SelectionModel::kTooManyNotice.text) + "。");
    }
    LinkChoice choice;
    for (const std::string& name : names) {
        const NameLookup found = lookUpMaterialName(name);
        if (found.material == nullptr) {
            return refused("这个链接中：" + nameProblemText(name, found) + "。");
        }
        if (std::find(choice.materials.begin(), choice.materials.end(), found.material) !=
            choice.materials.end()) {
            continue;
        }
        choice.materials.push_back(found.material);
        choice.readAs.push_back(found.known != nullptr ? readAsText(*found.known) : std::string());
    }
    return choice;
}

} // namespace velmora
