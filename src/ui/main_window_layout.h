#pragma once

// Where everything stands on the main window, in twips, relative to the client area
// or, for a check box, to its frame; and the names the form's controls have always had.

#include "catalogue/catalogue.h"
#include "ui/twips.h"

#include <QString>

#include <array>

namespace velmora::ui::main_layout {

inline constexpr int kClientWidth = 9375;
inline constexpr int kClientHeight = 6540;

// The frames of the material groups, in catalogue group order ("I" … "Ⅻ", "TG", "ZG").
inline constexpr std::array<TwipsRect, 14> kGroupFrames{{
    {120, 0, 1755, 1770},     // Frame1 "I"
    {120, 1800, 1755, 1725},  // Frame2 "Ⅱ"
    {120, 3600, 1755, 690},   // Frame3 "Ⅲ"
    {120, 4320, 1755, 1050},  // Frame4 "Ⅳ"
    {120, 5400, 1755, 1050},  // Frame5 "Ⅴ"
    {2040, 0, 2115, 690},     // Frame6 "Ⅵ"
    {2040, 720, 2115, 1410},  // Frame7 "Ⅶ"
    {2040, 2160, 2115, 1050}, // Frame8 "Ⅷ"
    {2040, 3240, 2115, 690},  // Frame9 "Ⅸ"
    {4320, 0, 2475, 3930},    // Frame10 "Ⅹ"
    {2040, 3960, 2115, 690},  // Frame11 "Ⅺ", above "Ⅻ"
    {2040, 4680, 2115, 1770}, // Frame12 "Ⅻ"
    {4320, 3960, 2475, 2490}, // Frame13 "TG"
    {6960, 0, 2295, 1050},    // Frame14 "ZG"
}};

// Frames in focus order: the left column top to bottom, then the middle, then the right.
inline constexpr std::array<GroupId, 14> kFocusOrder{
    GroupId::I,    GroupId::II, GroupId::III, GroupId::IV,  GroupId::V, GroupId::VI, GroupId::VII,
    GroupId::VIII, GroupId::IX, GroupId::XI,  GroupId::XII, GroupId::X, GroupId::TG, GroupId::ZG};

// Check box widths by catalogue index.
inline constexpr std::array<int, kMaterialCount> kCheckBoxWidths{
    1320, 1320, 1560, 960,  1320, 960,  960,  960,  1440, 960,  960,  1320, 1440, 1680, 1560,
    1680, 1800, 960,  960,  960,  1920, 2040, 1800, 1920, 1920, 1920, 1920, 2040, 2040, 2040,
    1800, 1800, 1800, 1800, 1800, 2280, 2160, 2280, 2280, 2160, 1920, 1920, 2160};

inline constexpr int kCheckBoxHeight = 330;

// The check boxes are chk1 to chk43 by catalogue index, except that Chk11 and Chk12
// have always been capitalised.
inline QString checkBoxName(const Material& m) {
    const bool capitalised = m.index == 11 || m.index == 12;
    return (capitalised ? QStringLiteral("Chk") : QStringLiteral("chk")) + QString::number(m.index);
}

// The frames of the groups are Frame1 to Frame14 in group order; Frame15 holds the slots.
inline QString frameName(GroupId id) {
    return QStringLiteral("Frame") + QString::number(static_cast<std::size_t>(id) + 1);
}

// 904L, listed with "TG" after its members, stands on the window itself in the sixth
// row of that frame's area, above the frame; every other box stands in its group's frame.
constexpr bool standsOnWindow(const Material& m) {
    return m.row > static_cast<int>(group(m.group).memberCount);
}

// Relative to the frame; for a box that stands on the window, relative to the client area.
constexpr TwipsRect checkBox(const Material& m) {
    const int width = kCheckBoxWidths[static_cast<std::size_t>(m.index - 1)];
    if (standsOnWindow(m)) {
        return {4440, 6000, width, kCheckBoxHeight};
    }
    if (m.group == GroupId::I || m.group == GroupId::II) {
        constexpr std::array<int, 4> tops{210, 600, 960, 1320};
        const int left = m.designation == "10#,20#(管)" ? 120 : 105;
        return {left, tops[static_cast<std::size_t>(m.row - 1)], width, kCheckBoxHeight};
    }
    return {120, 240 + 360 * (m.row - 1), width, kCheckBoxHeight};
}

inline constexpr TwipsRect kClock{6840, 1200, 2535, 255};           // lblrq
inline constexpr TwipsRect kAboutHeading{7320, 1680, 1455, 255};    // Label6
inline constexpr TwipsRect kUsageNotice{6960, 2040, 2295, 1335};    // Label1
inline constexpr TwipsRect kCreditsHeading{7440, 3480, 1335, 255};  // Label4
inline constexpr TwipsRect kCredits{6960, 3840, 2295, 255};         // Label5
inline constexpr TwipsRect kClearButton{7440, 4200, 1230, 435};     // cmdqc
inline constexpr TwipsRect kSelectionFrame{6840, 4800, 2460, 1185}; // Frame15
inline constexpr TwipsRect kSlot1{120, 240, 2175, 330};             // lblcl1, in Frame15
inline constexpr TwipsRect kSlot2{120, 720, 2175, 330};             // lblcl2, in Frame15
inline constexpr TwipsRect kConfirmButton{7440, 6000, 1230, 435};   // Command1

} // namespace velmora::ui::main_layout
