#include "ui/form1.h"

#include "ui/form1_design.h"

namespace orvane {

using platform::ControlId;

namespace {

// Places the window in the middle of its screen.
void CenterForm(platform::Window& window) {
    const platform::TwipSize outer = window.outerSize();
    const platform::TwipSize screen = window.screenSize();
    window.setLeft(screen.width / 2 - outer.width / 2);
    window.setTop(screen.height / 2 - outer.height / 2);
}

}  // namespace

// The window reports to this object from the moment it exists, so it is made last.
Form1::Form1(const platform::Services& services) : services_(services) {
    window_ = services.toolkit.createWindow(form1::design(), *this);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    CenterForm(*window_);
}

// While the window is hidden, at start-up, only the table is rebuilt: a settings file may change
// the alarms and the language thousands of times, and nobody sees the frames before show() labels
// them from the last table.
void Form1::refreshCaptions() {
    if (!window_->isVisible()) {
        captions_.rebuild(highAlarm(), lowAlarm());
        labelsPending_ = true;
        return;
    }
    RefreshCaptions(*this, captions_, *this);
    describeControls();
}

void Form1::setCaption(std::u16string_view caption) {
    caption_ = caption;
    window_->setCaption(caption);
}

void Form1::show() {
    if (labelsPending_) {
        labelsPending_ = false;
        LabelFrames(*this, captions_, *this);
        describeControls();
    }
    window_->show();
}

void Form1::setFrameCaption(int frame, std::u16string_view caption) {
    std::u16string& shown = frameCaptions_.at(static_cast<std::size_t>(frame));
    if (shown != caption) {
        shown = caption;
        window_->setText(form1::frame(frame), caption);
    }
}

// --- Editor state: every value is read from and written to its control. ---

std::u16string Form1::jobDescription() const {
    return window_->text(form1::kText5);
}

void Form1::setJobDescription(std::u16string_view text) {
    setFieldText(form1::kText5, text);
}

std::u16string Form1::smsNumber(int number) const {
    return window_->text(form1::text1(number));
}

void Form1::setSmsNumber(int number, std::u16string_view text) {
    setFieldText(form1::text1(number), text);
}

void Form1::setFieldText(ControlId field, std::u16string_view text) {
    const auto maxLength = static_cast<std::size_t>(form1::design().controls[field].maxLength);
    window_->setText(field, text.substr(0, maxLength));
}

std::int16_t Form1::highAlarm() const {
    return static_cast<std::int16_t>(window_->value(form1::kHScroll1));
}

bool Form1::setHighAlarm(std::int16_t value) {
    return setAlarm(form1::kHScroll1, value);
}

std::int16_t Form1::lowAlarm() const {
    return static_cast<std::int16_t>(window_->value(form1::kHScroll2));
}

bool Form1::setLowAlarm(std::int16_t value) {
    return setAlarm(form1::kHScroll2, value);
}

// A new value runs the bar's change rule before this returns, as a user's change would.
bool Form1::setAlarm(ControlId bar, std::int16_t value) {
    const platform::ScrollRange& range = form1::design().controls[bar].scroll;
    if (value < range.min || value > range.max) {
        return false;
    }
    if (value != window_->value(bar)) {
        window_->setValue(bar, value);
        change(bar);
    }
    return true;
}

std::int16_t Form1::languageIndex() const {
    return static_cast<std::int16_t>(window_->listIndex(form1::kCombo1));
}

bool Form1::setLanguageIndex(std::int16_t index) {
    if (index < -1 || index >= window_->itemCount(form1::kCombo1)) {
        return false;
    }
    window_->setListIndex(form1::kCombo1, index);
    Combo1_Click();
    return true;
}

// --- Notifications from the window, handed to the handlers. ---

bool Form1::queryUnload() {
    return Form_QueryUnload();
}

void Form1::click(ControlId control) {
    switch (control) {
        case form1::kCombo1:
            Combo1_Click();
            break;
        case form1::kCommand1:
            Command1_Click();
            break;
        case form1::kCommand2:
            Command2_Click();
            break;
        default:
            break;
    }
}

void Form1::change(ControlId control) {
    if (control == form1::kHScroll1) {
        HScroll1_Change();
    } else if (control == form1::kHScroll2) {
        HScroll2_Change();
    }
}

void Form1::scroll(ControlId control) {
    if (control == form1::kHScroll1) {
        HScroll1_Scroll();
    } else if (control == form1::kHScroll2) {
        HScroll2_Scroll();
    }
}

void Form1::keyPress(ControlId control, std::int16_t& keyAscii) {
    if (const int index = form1::text1Index(control); index != 0) {
        Text1_KeyPress(index, keyAscii);
    }
}

}  // namespace orvane
