#pragma once

// The window's design as data: every backend builds the same window from this table.
// Positions and sizes are in twips (1/1440 inch; 15 twips make one pixel at 96 DPI, twips.h).

#include <span>
#include <string_view>

namespace orvane::platform {

// A control is addressed by its place in FormDesign::controls.
using ControlId = int;
inline constexpr ControlId kNoControl = -1;

enum class ControlKind { Frame, ComboBox, PictureButton, HScrollBar, TextBox };

// Pictures are named by what they show; each backend maps them to its own image resources.
enum class Picture { None, MonitorHousing, FolderWithMagnifier, DeskGlobe };

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ScrollRange {
    int min = 0;
    int max = 0;
    int smallChange = 1;  // arrow step
    int largeChange = 1;  // page step
    int initial = 0;
};

struct ControlDesign {
    std::string_view name;  // e.g. "Frame", "Text1", "Combo1"
    int index = -1;         // element index within a control array, -1 for a single control
    ControlKind kind = ControlKind::Frame;
    ControlId container = kNoControl;  // the frame that contains it, or kNoControl for the window
    TwipRect rect;                     // relative to the container
    int tabIndex = 0;
    int stackPlace = 0;  // 0 is drawn in front of everything else in the same container
    std::u16string_view text;
    int maxLength = 0;  // text boxes: most characters the box holds, 0 for no limit
    std::u16string_view toolTip;
    Picture picture = Picture::None;
    ScrollRange scroll;  // scroll bars only
};

struct FontDesign {
    std::u16string_view family;
    double pointSize = 0;
    int weight = 400;
};

struct FormDesign {
    std::u16string_view caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0;
    FontDesign font;
    Picture icon = Picture::None;
    std::span<const ControlDesign> controls;
};

}  // namespace orvane::platform
