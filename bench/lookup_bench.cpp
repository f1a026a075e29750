// Nanoseconds per recommend() call over every slot text a user can produce: the
// empty text and the 43 designations, in both slots, for all four processes
// (4 × 44 × 44 = 7,744 calls a pass). Prints the median and the fastest pass.

#include "catalogue/catalogue.h"
#include "recommend/recommend.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr int kPasses = 301;

std::size_t sink = 0;

void onePass(const std::array<std::string_view, velmora::kMaterialCount + 1>& texts) {
    for (velmora::Process p : {velmora::Process::Smaw, velmora::Process::Mag,
                               velmora::Process::Gtaw, velmora::Process::Saw}) {
        for (std::string_view s1 : texts) {
            for (std::string_view s2 : texts) {
                const velmora::Outcome o = velmora::recommend(p, s1, s2);
                sink += o.index();
                if (const auto* r = std::get_if<velmora::Recommendation>(&o)) {
                    sink += (*r)[2].size();
                }
            }
        }
    }
}

} // namespace

int main() {
    std::array<std::string_view, velmora::kMaterialCount + 1> texts{};
    for (std::size_t i = 0; i < velmora::kMaterialCount; ++i) {
        texts[i + 1] = velmora::kMaterials[i].designation;
    }
    const double calls = 4.0 * double(texts.size() * texts.size());

    onePass(texts); // warm up
    std::vector<double> perCall;
    perCall.reserve(kPasses);
    for (int pass = 0; pass < kPasses; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        onePass(texts);
        const auto end = std::chrono::steady_clock::now();
        perCall.push_back(std::chrono::duration<double, std::nano>(end - start).count() / calls);
    }
    std::sort(perCall.begin(), perCall.end());
    std::printf("lookup: %.0f calls a pass, %d passes: median %.1f ns, fastest %.1f ns per call "
                "(checksum %zu)\n",
                calls, kPasses, perCall[perCall.size() / 2], perCall.front(), sink);
    return 0;
}
