#include "ui/form1_design.h"

#include <array>

#include "i18n/caption_table.h"

namespace orvane::form1 {
namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::Picture;
using platform::ScrollRange;
using platform::TwipRect;

// Both alarm bars: 0 to 100 Pa, arrow step 1, page step 10, starting at 0.
constexpr ScrollRange kAlarmRange{0, 100, 1, 10, 0};

constexpr int kJobLength = 64;
constexpr int kSmsLength = 16;

// Row by row from the top; positions in twips, relative to the container. Stack place 0 is in
// front; a text box inside a frame stacks among that frame's children.
constexpr ControlDesign frameDesign(int index, TwipRect rect, int tabIndex, int stackPlace,
                                    std::u16string_view caption) {
    return {.name = "Frame",
            .index = index,
            .kind = ControlKind::Frame,
            .rect = rect,
            .tabIndex = tabIndex,
            .stackPlace = stackPlace,
            .text = caption};
}

constexpr ControlDesign textBoxDesign(std::string_view name, int index, platform::ControlId frame,
                                      int tabIndex, int maxLength) {
    return {.name = name,
            .index = index,
            .kind = ControlKind::TextBox,
            .container = frame,
            .rect = {240, 360, 2655, 315},
            .tabIndex = tabIndex,
            .maxLength = maxLength};
}

constexpr ControlDesign scrollBarDesign(std::string_view name, TwipRect rect, int tabIndex,
                                        int stackPlace) {
    return {.name = name,
            .kind = ControlKind::HScrollBar,
            .rect = rect,
            .tabIndex = tabIndex,
            .stackPlace = stackPlace,
            .scroll = kAlarmRange};
}

// Row by row from the top; positions in twips, relative to the container. Stack place 0 is in
// front; a text box inside a frame stacks among that frame's children.
constexpr std::array<ControlDesign, kControlCount> kControls = {
    frameDesign(0, {120, 120, 3135, 855}, 3, 10, u"Language"),
    ControlDesign{.name = "Combo1",
                  .kind = ControlKind::ComboBox,
                  .rect = {360, 480, 2655, 315},
                  .tabIndex = 0,
                  .stackPlace = 9,
                  .text = u"English"},
    ControlDesign{.name = "Command2",
                  .kind = ControlKind::PictureButton,
                  .rect = {3480, 240, 1455, 735},
                  .tabIndex = 15,
                  .stackPlace = 0,
                  .picture = Picture::DeskGlobe},
    ControlDesign{.name = "Command1",
                  .kind = ControlKind::PictureButton,
                  .rect = {5160, 240, 1455, 735},
                  .tabIndex = 1,
                  .stackPlace = 11,
                  .toolTip = u"SAVE FILE",
                  .picture = Picture::FolderWithMagnifier},
    frameDesign(1, {120, 1200, 6495, 855}, 4, 8, u"High Pressure Alarm"),
    scrollBarDesign("HScroll1", {360, 1560, 6015, 255}, 2, 7),
    frameDesign(2, {120, 2280, 6495, 855}, 5, 6, u"Low Pressure Alarm"),
    scrollBarDesign("HScroll2", {360, 2640, 6015, 255}, 6, 5),
    frameDesign(3, {120, 3360, 3135, 855}, 7, 4, u"Job Description"),
    textBoxDesign("Text5", -1, kFrame3, 11, kJobLength),
    frameDesign(4, {3480, 3360, 3135, 855}, 8, 3, u"SMS Number 1"),
    textBoxDesign("Text1", 1, kFrame4, 12, kSmsLength),
    frameDesign(5, {120, 4440, 3135, 855}, 9, 2, u"SMS Number 2"),
    textBoxDesign("Text1", 2, kFrame5, 13, kSmsLength),
    frameDesign(6, {3480, 4440, 3135, 855}, 10, 1, u"SMS Number 3"),
    textBoxDesign("Text1", 3, kFrame6, 14, kSmsLength),
};

constexpr platform::FormDesign kForm1{.caption = u"Orvane PM",
                                      .clientWidth = 6750,
                                      .clientHeight = 5415,
                                      .font = {u"Verdana", 8.25, 400},
                                      .icon = Picture::MonitorHousing,
                                      .controls = kControls};

constexpr std::array<platform::ControlId, FrameCaptions::kFrameCount> kFrames = {
    kFrame0, kFrame1, kFrame2, kFrame3, kFrame4, kFrame5, kFrame6};
constexpr std::array<platform::ControlId, kSmsFieldCount> kSmsFields = {kText1_1, kText1_2,
                                                                        kText1_3};

}  // namespace

platform::ControlId frame(int index) {
    return kFrames.at(static_cast<std::size_t>(index));
}

platform::ControlId text1(int index) {
    return kSmsFields.at(static_cast<std::size_t>(index - 1));
}

int text1Index(platform::ControlId control) {
    for (int index = 1; index <= kSmsFieldCount; ++index) {
        if (text1(index) == control) {
            return index;
        }
    }
    return 0;
}

const platform::FormDesign& design() {
    return kForm1;
}

}  // namespace orvane::form1
