// A joint list of any bytes: its first line as --columns, the rest as the list, read,
// answered for every process and written as CSV and tab-separated text.

#include "joints/joints_table.h"
#include "presentation/processes.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t line = input.find('\n');
    const std::string_view columns = input.substr(0, line == std::string_view::npos ? 0 : line);
    const std::string_view text = line == std::string_view::npos ? input : input.substr(line + 1);
    const auto choice = velmora::columnChoice(columns);
    const velmora::JointList list =
        velmora::readJointList(text, choice.value_or(velmora::ColumnChoice{}));
    constexpr velmora::Process kAll[] = {velmora::Process::Smaw, velmora::Process::Mag,
                                         velmora::Process::Gtaw, velmora::Process::Saw};
    const velmora::JointsTable table = velmora::jointsTable(list, kAll);
    return velmora::csvText(table).empty() || velmora::tsvText(table).empty() ? 1 : 0;
}
