#include "support/fake_window.h"

#include <algorithm>

#include "app/start_up.h"
#include "i18n/caption_table.h"
#include "ui/form1_design.h"

namespace orvane::test {

using platform::ControlId;

namespace {

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr char16_t kBackspace = 8;
constexpr char16_t kFirstPrintable = 32;

}  // namespace

FakeWindow::FakeWindow(const platform::FormDesign& design, platform::FormEvents& events)
    : design_(design), gate_(events), controls_(design.controls.size()), caption_(design.caption) {
    for (std::size_t id = 0; id < controls_.size(); ++id) {
        controls_[id].text = design.controls[id].text;
        controls_[id].value = design.controls[id].scroll.initial;
    }
}

platform::TwipSize FakeWindow::outerSize() const {
    return {static_cast<float>(design_.clientWidth), static_cast<float>(design_.clientHeight)};
}

FakeWindow::Control& FakeWindow::at(ControlId control) {
    return controls_.at(static_cast<std::size_t>(control));
}

const FakeWindow::Control& FakeWindow::at(ControlId control) const {
    return controls_.at(static_cast<std::size_t>(control));
}

std::u16string FakeWindow::text(ControlId control) const {
    return at(control).text;
}

void FakeWindow::setText(ControlId control, std::u16string_view text) {
    at(control).text = text;
}

void FakeWindow::setAccessibleText(ControlId control, std::u16string_view name,
                                   std::u16string_view description) {
    at(control).accessibleName = name;
    at(control).accessibleDescription = description;
}

std::u16string FakeWindow::accessibleName(ControlId control) const {
    return at(control).accessibleName;
}

std::u16string FakeWindow::accessibleDescription(ControlId control) const {
    return at(control).accessibleDescription;
}

int FakeWindow::value(ControlId control) const {
    return at(control).value;
}

void FakeWindow::setValue(ControlId control, int value) {
    at(control).value = value;
}

void FakeWindow::addItem(ControlId control, int position, std::u16string_view item) {
    std::vector<std::u16string>& items = at(control).items;
    items.insert(items.begin() + position, std::u16string(item));
}

int FakeWindow::itemCount(ControlId control) const {
    return static_cast<int>(at(control).items.size());
}

int FakeWindow::listIndex(ControlId control) const {
    return at(control).listIndex;
}

void FakeWindow::setListIndex(ControlId control, int index) {
    Control& combo = at(control);
    combo.listIndex = index;
    if (index >= 0) {
        combo.text = combo.items.at(static_cast<std::size_t>(index));
    }
}

void FakeWindow::dragBar(ControlId bar, int value) {
    setValue(bar, value);
    gate_.scroll(bar);
}

void FakeWindow::settleBar(ControlId bar, int value) {
    setValue(bar, value);
    gate_.change(bar);
}

void FakeWindow::type(ControlId field, std::u16string_view characters) {
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (isHighSurrogate(characters[i]) && i + 1 < characters.size()) {
            insert(field, characters.substr(i, 2));
            ++i;
            continue;
        }
        auto keyAscii = static_cast<std::int16_t>(characters[i]);
        gate_.keyPress(field, keyAscii);
        if (keyAscii == 0) {
            continue;
        }
        const auto character = static_cast<char16_t>(keyAscii);
        if (character == kBackspace) {
            std::u16string& text = at(field).text;
            text.erase(text.empty() ? 0 : text.size() - 1);
        } else if (character >= kFirstPrintable) {
            insert(field, std::u16string_view(&character, 1));
        }
    }
}

void FakeWindow::paste(ControlId field, std::u16string_view text) {
    insert(field, text);
}

// What would not fit the field is no refusal of the rule: it is left out silently.
void FakeWindow::insert(ControlId field, std::u16string_view text) {
    std::u16string& shown = at(field).text;
    const auto maxLength = static_cast<std::size_t>(design_.controls[field].maxLength);
    if (maxLength != 0 && shown.size() + text.size() > maxLength) {
        return;
    }
    if (gate_.acceptInsertion(field, text)) {
        shown += text;
    }
}

void FakeWindow::choose(ControlId combo, int index) {
    setListIndex(combo, index);
    gate_.click(combo);
}

void FakeWindow::editListText(ControlId combo, std::u16string_view text) {
    at(combo).text = text;
    at(combo).listIndex = -1;
}

bool FakeWindow::close() {
    if (gate_.queryUnload()) {
        return false;
    }
    visible_ = false;
    return true;
}

Form1& FakeEditor::start() {
    return start(folder_.path().u16string());
}

Form1& FakeEditor::start(const std::optional<std::u16string>& programFolder) {
    form_ = Main({toolkit_, programFolder, dialogs, shell});
    return *form_;
}

std::vector<std::u16string> FakeEditor::frameCaptions() {
    std::vector<std::u16string> captions;
    for (int index = 0; index < FrameCaptions::kFrameCount; ++index) {
        captions.push_back(window().text(form1::frame(index)));
    }
    return captions;
}

}  // namespace orvane::test
