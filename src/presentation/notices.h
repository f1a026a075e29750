#pragma once

#include "selection/notice.h"

namespace velmora {

// A pair the process has no rule for. The comma after 注意 is ASCII.
inline constexpr Notice kNotFoundNotice{"注意,这两种材料使用该种焊接方法未查询到合适的焊材！",
                                        "提示"};

// A single material the process has no entry for (SAW and 1Cr23Ni13(-)). Said out
// loud, so that the fields are not read as an answer when they still show another
// process's texts.
inline constexpr Notice kNoEntryNotice{"注意,该材料使用该种焊接方法未查询到合适的焊材！", "提示"};

} // namespace velmora
