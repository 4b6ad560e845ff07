#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/editor_state.h"
#include "i18n/caption_table.h"
#include "platform/toolkit.h"
#include "settings/settings_file.h"

namespace orvane {

// The editor window. Its controls hold the editor state; its handlers are the input rules, the
// closing prompt and the two launcher buttons.
class Form1 final : public EditorState, private FrameCaptions, private platform::FormEvents {
  public:
    // Creates the window, hidden, and runs Form_Load.
    explicit Form1(const platform::Services& services);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    platform::Window& window() { return *window_; }
    // The window's caption, which the boxes at start-up carry too.
    void setCaption(std::u16string_view caption);
    void refreshCaptions();
    // Shows the window, labelled from the caption table.
    void show();

    // What start-up found at SETTINGS.TXT: a save first asks before it replaces a file that
    // another program has changed since.
    void rememberLoadedFile(const SettingsFileSnapshot& file);
    // Tells the user, over the shown window, that SETTINGS.TXT was not read whole and why.
    void warnIncompleteLoad(const platform::FileError& error);
    // Tells the user, over the shown window, which values of SETTINGS.TXT it does not show as the
    // file holds them, so that Yes on closing does not replace them unawares.
    void warnValuesNotApplied(const ValuesNotApplied& notApplied);

    // EditorState
    std::u16string jobDescription() const override;
    void setJobDescription(std::u16string_view text) override;
    std::int16_t highAlarm() const override;
    bool setHighAlarm(std::int16_t value) override;
    std::int16_t lowAlarm() const override;
    bool setLowAlarm(std::int16_t value) override;
    std::u16string smsNumber(int number) const override;
    void setSmsNumber(int number, std::u16string_view text) override;
    std::int16_t languageIndex() const override;
    bool setLanguageIndex(std::int16_t index) override;

  private:
    // Handlers, named after their control and event.
    void Form_Load();
    bool Form_QueryUnload();  // true keeps the window open
    void Combo1_Click();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void HScroll2_Change();
    void HScroll2_Scroll();
    void Text1_KeyPress(int index, std::int16_t& keyAscii);
    void Command1_Click();
    void Command2_Click();

    // FormEvents
    bool queryUnload() override;
    void click(platform::ControlId control) override;
    void change(platform::ControlId control) override;
    void scroll(platform::ControlId control) override;
    void keyPress(platform::ControlId control, std::int16_t& keyAscii) override;
    bool allowsInsertion(platform::ControlId control, std::u16string_view inserted) const override;
    void insertionRefused(platform::ControlId control) override;

    // FrameCaptions
    void setFrameCaption(int frame, std::u16string_view caption) override;

    void describeControls();
    void highAlarmRule();
    void lowAlarmRule();
    bool setAlarm(platform::ControlId bar, std::int16_t value);
    void setFieldText(platform::ControlId field, std::u16string_view text);

    platform::Services services_;
    CaptionTable captions_;
    std::u16string caption_;
    SettingsFileSnapshot loadedFile_;
    bool labelsPending_ = false;  // the frames do not show the table yet
    // What the window shows, so that only texts that change reach it.
    std::array<std::u16string, FrameCaptions::kFrameCount> frameCaptions_;
    std::array<std::u16string, 9> accessibleNames_;
    int describedColumn_ = -1;
    std::unique_ptr<platform::Window> window_;
};

}  // namespace orvane
