#pragma once

// Where everything stands on the results window, in twips, relative to its client
// area; and the names the form's controls have always had.

#include "recommend/recommend.h"
#include "ui/twips.h"

#include <array>

namespace velmora::ui::results_layout {

inline constexpr int kClientWidth = 6045;
inline constexpr int kClientHeight = 2910;
// The laid-out outer width is 6135: the client plus a 45-twip border each side.
inline constexpr int kBorders = 2 * 45;
// Outer width = Label2 + the wider of lblcl and lblhtxh + this.
inline constexpr int kWidthBeyondTheLines = 450;
// The longest answer ends at least this far inside the right edge.
inline constexpr int kOutputMargin = 120;

inline constexpr TwipsRect kMaterialsHeading{120, 165, 1125, 450}; // Label2
inline constexpr TwipsRect kMaterialHeading{120, 1680, 960, 450};  // Label3
inline constexpr TwipsRect kResultHeading{120, 2160, 960, 330};    // Label4

// The labels that size themselves to their text, as laid out.
inline constexpr TwipsRect kMaterials{1320, 150, 4620, 300};       // lblcl
inline constexpr TwipsRect kClassification{1320, 1440, 4560, 240}; // lblhtxh
inline constexpr TwipsRect kBrand{1320, 1920, 120, 240};           // lblhtph
inline constexpr TwipsRect kGas{1320, 2445, 120, 240};             // lblqtlx

// Line1 reaches x = 11640 twips, past the right edge, so it spans any width the
// window takes.
inline constexpr int kLineTop = 1200;
inline constexpr int kLineLength = 11640;

struct ProcessButton {
    const char* name;
    TwipsRect where;
};

// The process buttons in process order, the order of kProcessNames, which gives
// their captions.
inline constexpr std::array<ProcessButton, kProcessCount> kButtons{{
    {"CommandSMAW", {135, 600, 1095, 495}},
    {"CommandMAG", {1695, 600, 1095, 495}},
    {"CommandGTAW", {3255, 600, 1095, 495}},
    {"CommandSAW", {4815, 600, 1095, 495}},
}};

} // namespace velmora::ui::results_layout
