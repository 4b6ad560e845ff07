#pragma once

#include "platform/form_design.h"

namespace orvane::form1 {

// The controls of the editor window, by their place in the design table.
enum Control : platform::ControlId {
    kFrame0,
    kCombo1,
    kCommand2,
    kCommand1,
    kFrame1,
    kHScroll1,
    kFrame2,
    kHScroll2,
    kFrame3,
    kText5,
    kFrame4,
    kText1_1,
    kFrame5,
    kText1_2,
    kFrame6,
    kText1_3,
    kControlCount
};

inline constexpr int kSmsFieldCount = 3;

// Frame(0) to Frame(6); FrameCaptions::kFrameCount counts them.
platform::ControlId frame(int index);
// Text1(1) to Text1(3), the SMS number fields.
platform::ControlId text1(int index);
// The element index of an SMS number field, 0 for any other control.
int text1Index(platform::ControlId control);

const platform::FormDesign& design();

}  // namespace orvane::form1
