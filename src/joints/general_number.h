#pragma once

// Numbers as a workbook stores them (the text of a double) and as Excel shows them.

#include <string>
#include <string_view>

namespace velmora {

// A number as Excel's General format shows it: "1" of "1.0", "0.0025" of "2.5E-3",
// at most 11 characters, in scientific form where it must ("1.23457E+11"). Text that
// is not a number is given back as it is.
std::string generalNumberText(std::string_view stored);

} // namespace velmora
