#include "brand_pairings.h"

#include "presentation/processes.h"

#include <algorithm>
#include <cctype>

namespace velmora::testing {
namespace {

constexpr std::string_view kPrefixEnd = "：";

bool namesNothing(std::string_view name) {
    return name == "--" || name == "无" || name == "暂无";
}

// The names of one text, placeholders kept so that positions still line up.
std::vector<std::string_view> namesIn(std::string_view text) {
    const std::size_t colon = text.find(kPrefixEnd);
    if (colon != std::string_view::npos) {
        text.remove_prefix(colon + kPrefixEnd.size());
    }
    std::vector<std::string_view> names;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos) {
            break;
        }
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find(' '), text.size());
        std::string_view name = text.substr(0, end);
        const std::size_t note = name.find('(');
        if (note != std::string_view::npos && note > 0) {
            name = name.substr(0, note);
        }
        names.push_back(name);
        text.remove_prefix(end);
    }
    return names;
}

std::string quoted(std::string_view designation) {
    std::string out(1, '`');
    out.append(designation).push_back('`');
    return out;
}

std::string setText(const std::vector<std::string_view>& designations) {
    if (designations.size() == 1) {
        return quoted(designations.front());
    }
    std::string out = "{";
    for (std::string_view d : designations) {
        out += (out.size() > 1 ? ", " : "") + quoted(d);
    }
    return out + "}";
}

// One process's answers: materials alone, then rows of pairs that share their first
// material, rows with the same second materials merged into one block.
std::string blocksText(std::span<const AnswerRow> answers) {
    struct Block {
        std::vector<std::string_view> left;
        std::vector<std::string_view> right;
    };
    std::vector<std::string_view> alone;
    std::vector<Block> rows;
    for (const AnswerRow& a : answers) {
        if (a.material2.empty()) {
            alone.push_back(a.material1);
        } else if (!rows.empty() && rows.back().left.front() == a.material1) {
            rows.back().right.push_back(a.material2);
        } else {
            rows.push_back({{a.material1}, {a.material2}});
        }
    }
    std::vector<Block> blocks;
    for (const Block& row : rows) {
        if (!blocks.empty() && blocks.back().right == row.right) {
            blocks.back().left.push_back(row.left.front());
        } else {
            blocks.push_back(row);
        }
    }
    std::vector<std::string> parts;
    for (std::string_view m : alone) {
        parts.push_back(quoted(m));
    }
    for (const Block& b : blocks) {
        parts.push_back(setText(b.left) + " × " + setText(b.right));
    }
    std::string out;
    for (const std::string& part : parts) {
        out += (out.empty() ? "" : "; ") + part;
    }
    return out;
}

} // namespace

BrandPairings::BrandPairings(std::span<const AnswerRow> answers) {
    for (const AnswerRow& a : answers) {
        const auto* texts = std::get_if<Recommendation>(&a.answer.outcome);
        if (texts == nullptr || a.answer.process == Process::Saw) {
            continue;
        }
        const std::vector<std::string_view> classifications = namesIn((*texts)[0]);
        const std::vector<std::string_view> brands = namesIn((*texts)[1]);
        if (classifications.size() != brands.size()) {
            uneven_.push_back(a);
            continue;
        }
        for (std::size_t i = 0; i < brands.size(); ++i) {
            if (namesNothing(brands[i]) || namesNothing(classifications[i])) {
                continue;
            }
            std::vector<Beside>& besides = brands_[brands[i]];
            const auto same = std::find_if(besides.begin(), besides.end(), [&](const Beside& b) {
                return b.classification == classifications[i];
            });
            if (same == besides.end()) {
                besides.push_back({classifications[i], {a}});
            } else {
                same->answers.push_back(a);
            }
        }
    }
}

std::vector<BrandPairings::Brand> BrandPairings::disagreeing() const {
    std::vector<Brand> out;
    for (const auto& [name, besides] : brands_) {
        if (besides.size() > 1) {
            out.push_back({name, besides});
        }
    }
    return out;
}

std::string BrandPairings::where(std::span<const AnswerRow> answers) {
    std::string out;
    for (auto from = answers.begin(); from != answers.end();) {
        const Process process = from->answer.process;
        const auto to = std::find_if(from, answers.end(), [process](const AnswerRow& a) {
            return a.answer.process != process;
        });
        std::string name(processName(process).key);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return char(std::toupper(c)); });
        out += (out.empty() ? "" : " ") + name + " " + std::to_string(to - from) + ": " +
               blocksText({from, to}) + ".";
        from = to;
    }
    return out;
}

} // namespace velmora::testing
