// The input rules: the high alarm never lies below the low alarm, every alarm or language change
// relabels the window, and the SMS number fields take only the characters of a phone number.

#include "ui/form1.h"
#include "ui/form1_design.h"
#include "ui/text_rules.h"

namespace orvane {

void Form1::HScroll1_Change() {
    highAlarmRule();
}

void Form1::HScroll1_Scroll() {
    highAlarmRule();
}

void Form1::HScroll2_Change() {
    lowAlarmRule();
}

void Form1::HScroll2_Scroll() {
    lowAlarmRule();
}

// The bar being moved keeps its value and pushes the other one along.
void Form1::highAlarmRule() {
    const std::int16_t high = highAlarm();
    if (high < lowAlarm()) {
        setLowAlarm(high);
    }
    refreshCaptions();
}

void Form1::lowAlarmRule() {
    const std::int16_t low = lowAlarm();
    if (highAlarm() < low) {
        setHighAlarm(low);
    }
    refreshCaptions();
}

void Form1::Combo1_Click() {
    refreshCaptions();
}

void Form1::Text1_KeyPress(int /*index*/, std::int16_t& keyAscii) {
    if (!smsAcceptsKey(keyAscii)) {
        keyAscii = 0;
        services_.shell.beep();
    }
}

// Whatever route text takes into a field (paste, drop, input method), it must pass the field's
// rule as a whole: an SMS field keeps to phone-number characters, and the job description to
// characters the settings file can store, so that no save can turn them into something else.
bool Form1::allowsInsertion(platform::ControlId control, std::u16string_view inserted) const {
    if (form1::text1Index(control) != 0) {
        return smsAcceptsText(inserted);
    }
    if (control == form1::kText5) {
        return jobAcceptsText(inserted);
    }
    return true;
}

void Form1::insertionRefused(platform::ControlId /*control*/) {
    services_.shell.beep();
}

}  // namespace orvane
