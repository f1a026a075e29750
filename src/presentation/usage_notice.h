#pragma once

#include <string_view>

namespace velmora {

// 74 characters: what the program is for, a request to report errors, and that the
// authors take no responsibility for what comes of its use. The main window shows it,
// and every answer sheet carries it at its foot.
inline constexpr std::string_view kUsageNotice =
    "本软件仅供焊接从业人员学习和参考使用。软件中焊接材料的选用如有错误，敬请使用者及时与"
    "作者联系，以便修正。因使用本软件而产生的一切问题，作者概不负责。";

} // namespace velmora
