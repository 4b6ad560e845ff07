// What a screen reader announces: each input control by its frame's caption (the alarms with
// their values), the two picture buttons by what they open, all in the window's language.

#include <array>

#include "i18n/accessible_texts.h"
#include "ui/form1.h"
#include "ui/form1_design.h"

namespace orvane {
namespace {

struct Described {
    platform::ControlId control;
    int frame;  // the frame whose caption names the control, -1 for the buttons
    AccessibleControl role;
};

constexpr std::array<Described, 9> kDescribed = {{
    {form1::kCombo1, 0, AccessibleControl::Language},
    {form1::kHScroll1, 1, AccessibleControl::HighAlarm},
    {form1::kHScroll2, 2, AccessibleControl::LowAlarm},
    {form1::kText5, 3, AccessibleControl::JobDescription},
    {form1::kText1_1, 4, AccessibleControl::SmsNumber},
    {form1::kText1_2, 5, AccessibleControl::SmsNumber},
    {form1::kText1_3, 6, AccessibleControl::SmsNumber},
    {form1::kCommand1, -1, AccessibleControl::DataFolderButton},
    {form1::kCommand2, -1, AccessibleControl::ProductPageButton},
}};

}  // namespace

// Only what changed: every text when the language does, otherwise the names that carry a value.
void Form1::describeControls() {
    static_assert(kDescribed.size() == std::tuple_size_v<decltype(accessibleNames_)>);
    const int column = CaptionTable::columnFor(languageIndex());
    for (std::size_t i = 0; i < kDescribed.size(); ++i) {
        const Described& described = kDescribed[i];
        const std::u16string_view name = described.frame >= 0
                                             ? captions_.entry(column, described.frame)
                                             : accessibleName(described.role, column);
        if (column == describedColumn_ && name == accessibleNames_[i]) {
            continue;
        }
        accessibleNames_[i] = name;
        window_->setAccessibleText(described.control, name,
                                   accessibleDescription(described.role, column));
    }
    describedColumn_ = column;
}

}  // namespace orvane
