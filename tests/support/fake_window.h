#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/shared/event_gate.h"
#include "platform/toolkit.h"
#include "support/fake_desktop.h"
#include "support/scratch_folder.h"
#include "ui/form1.h"

namespace orvane::test {

// A window without a toolkit: it keeps what the program sets, and it reports what a user does the
// way every backend does, through an EventGate. Rules of the program are tested on it once, in
// both builds; each backend's own tests keep only the routes by which input reaches those rules.
class FakeWindow final : public platform::Window {
  public:
    FakeWindow(const platform::FormDesign& design, platform::FormEvents& events);

    void setCaption(std::u16string_view caption) override { caption_ = caption; }
    platform::TwipSize outerSize() const override;
    platform::TwipSize screenSize() const override { return {19200, 14400}; }
    void setLeft(float twips) override { left_ = twips; }
    void setTop(float twips) override { top_ = twips; }
    void show() override { visible_ = true; }
    bool isVisible() const override { return visible_; }
    std::u16string text(platform::ControlId control) const override;
    void setText(platform::ControlId control, std::u16string_view text) override;
    void setAccessibleText(platform::ControlId control, std::u16string_view name,
                           std::u16string_view description) override;
    int value(platform::ControlId control) const override;
    void setValue(platform::ControlId control, int value) override;
    void addItem(platform::ControlId control, int position, std::u16string_view item) override;
    int itemCount(platform::ControlId control) const override;
    int listIndex(platform::ControlId control) const override;
    void setListIndex(platform::ControlId control, int index) override;

    // What a user does.
    // A scroll bar's thumb dragged to `value`, or a value it settles on (arrow, trough, key).
    void dragBar(platform::ControlId bar, int value);
    void settleBar(platform::ControlId bar, int value);
    // Characters typed at the end of a text box: each goes through the key filter, then the
    // field's insertion rule (a surrogate pair whole), and only what fits the field's length.
    void type(platform::ControlId field, std::u16string_view characters);
    // Text pasted or dropped at the end of a text box, judged whole.
    void paste(platform::ControlId field, std::u16string_view text);
    // An entry of the list chosen; text typed into the list's own field selects none.
    void choose(platform::ControlId combo, int index);
    void editListText(platform::ControlId combo, std::u16string_view text);
    void click(platform::ControlId button) { gate_.click(button); }
    // Asks to close; true when the window went away.
    bool close();

    std::u16string caption() const { return caption_; }
    std::u16string accessibleName(platform::ControlId control) const;
    std::u16string accessibleDescription(platform::ControlId control) const;

  private:
    struct Control {
        std::u16string text;
        std::u16string accessibleName;
        std::u16string accessibleDescription;
        int value = 0;
        std::vector<std::u16string> items;
        int listIndex = -1;
    };
    Control& at(platform::ControlId control);
    const Control& at(platform::ControlId control) const;
    void insert(platform::ControlId field, std::u16string_view text);

    const platform::FormDesign& design_;
    platform::EventGate gate_;
    std::vector<Control> controls_;
    std::u16string caption_;
    float left_ = 0;
    float top_ = 0;
    bool visible_ = false;
};

class FakeToolkit final : public platform::Toolkit {
  public:
    std::unique_ptr<platform::Window> createWindow(const platform::FormDesign& design,
                                                   platform::FormEvents& events) override {
        return std::make_unique<FakeWindow>(design, events);
    }
    int run() override { return 0; }
};

// The editor started by Main on a fake window against a temporary program folder, with scripted
// dialogs and a recording shell.
class FakeEditor {
  public:
    FakeEditor() = default;
    ~FakeEditor() = default;

    const ScratchFolder& folder() const { return folder_; }
    std::filesystem::path settingsPath() const { return folder_.path() / "SETTINGS.TXT"; }
    void writeSettings(std::string_view bytes) const { writeFile(settingsPath(), bytes); }
    std::string readSettings() const { return readFile(settingsPath()); }

    Form1& start();
    // The same from another program folder, which need not exist, or none.
    Form1& start(const std::optional<std::u16string>& programFolder);
    Form1& form() { return *form_; }
    FakeWindow& window() { return static_cast<FakeWindow&>(form_->window()); }
    std::vector<std::u16string> frameCaptions();

    ScriptedDialogs dialogs;
    RecordingShell shell;

  private:
    ScratchFolder folder_;
    FakeToolkit toolkit_;
    std::unique_ptr<Form1> form_;
};

}  // namespace orvane::test
