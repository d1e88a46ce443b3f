#pragma once

#include <QRect>

// Places in the main window's design coordinates (999 x 640, before the
// scale factor). The window lays its widgets out from these and the skin
// generator draws the background around them, so the two cannot drift.
namespace DesignLayout {

constexpr int kWidth = 999;
constexpr int kHeight = 640;

// Window chrome.
constexpr QRect kMouseSelector{670, 33, 100, 20};
constexpr QRect kLanguage{774, 33, 105, 20};
constexpr QRect kMinimize{903, 33, 19, 19};
constexpr QRect kClose{924, 33, 19, 19};
constexpr QRect kVersion{807, 594, 140, 20};
constexpr QRect kBrand{40, 22, 400, 34};
// "GAMING MOUSE CONFIG" beside the brand, drawn by the window in its language.
constexpr QRect kSubtitle{236, 26, 200, 34};

// Left column: modes, tabs and the profile files.
constexpr QRect kLeftColumn{52, 76, 186, 494};
constexpr QRect kEmblem{100, 92, 90, 90};
constexpr QRect kModeCaption{69, 194, 150, 16};
constexpr QRect kModeButton{68, 213, 150, 29};
constexpr QRect tab(int i)
{
    return QRect(69, 268 + 34 * i, 154, 29);
}
constexpr QRect kNameLabel{69, 458, 150, 18};
constexpr QRect kNameEdit{68, 479, 134, 22};
constexpr QRect kProfileButton{202, 479, 16, 22};
// SAVE, LOAD, RESET, ADD, DELETE, COPY.
constexpr int kProfileCommandCount = 6;
constexpr QRect profileCommand(int i)
{
    return QRect(68 + 26 * i, 508, 22, 22);
}
constexpr QRect kResetAll{68, 538, 150, 24};

// Mouse picture and views.
constexpr QRect kPicture{287, 56, 661, 262};
constexpr QRect kThirdPicture{727, 560, 220, 58};
constexpr QRect kFrontButton{500, 321, 96, 20};
constexpr QRect kSideButton{631, 321, 96, 20};

// Panels.
constexpr QRect kLowerPanel{285, 342, 664, 199}; // lighting and buttons
constexpr QRect kDpiPanel{286, 75, 456, 386};
constexpr QRect kPointSpeedPanel{286, 463, 456, 77};
constexpr QRect kReportRatePanel{746, 75, 199, 466};
constexpr QRect kMacroPanel{285, 74, 664, 466};

// Footer: OK, Cancel, Apply.
constexpr QRect footer(int i)
{
    return QRect(599 + 118 * i, 556, 110, 26);
}

// Size of one button marker over the mouse picture.
constexpr int kMarkerSize = 22;

} // namespace DesignLayout
