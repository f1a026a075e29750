#pragma once

// Which classification each brand stands beside. SMAW, MAG and GTAW answers name
// classifications in their first text and brands in their second, position by
// position ("焊条型号：E309-16 E309-15" with "焊条牌号：A302    A307"); a brand that
// stands beside two different classifications somewhere is a question for whoever
// keeps the tables. SAW answers name a wire and a flux, which pair nothing.
//
// Reading the texts: the names follow the "：" and are separated by runs of spaces; a
// note in brackets after a name ("E310-16(不预热、不回火)") is not part of it; "--",
// "无" and "暂无" name nothing and pair with nothing. Where the two texts hold
// different numbers of names, no position is paired and the answer is set aside.

#include "presentation/answer_rows.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

class BrandPairings {
public:
    struct Beside {
        std::string_view classification;
        std::vector<AnswerRow> answers; // in the order given
    };
    struct Brand {
        std::string_view name;
        std::vector<Beside> besides; // in the order first met
    };

    explicit BrandPairings(std::span<const AnswerRow> answers);

    // The brands that stand beside more than one classification, by name.
    std::vector<Brand> disagreeing() const;
    // The answers whose two texts hold different numbers of names.
    const std::vector<AnswerRow>& uneven() const { return uneven_; }

    // The answers written short: per process, the materials answered alone, then the
    // pairs as blocks, e.g. "SMAW 4: {`Q235-A(F)`, `20g`} × {`40Cr`, `35Mn`}.".
    // Answers of one process must come in catalogue order, as everyAnswer() gives them.
    static std::string where(std::span<const AnswerRow> answers);

private:
    std::map<std::string_view, std::vector<Beside>> brands_;
    std::vector<AnswerRow> uneven_;
};

} // namespace velmora::testing
