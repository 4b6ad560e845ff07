#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// The seven values the editor edits. Each lives in one control of the window and nowhere else.
// Setting a value behaves exactly like a user's edit of its control: an alarm set to a new value
// runs that alarm's rule and a language set runs the language rule, before the setter returns.
class EditorState {
  public:
    // Texts longer than their field's maximum length are cut to it.
    virtual std::u16string jobDescription() const = 0;
    virtual void setJobDescription(std::u16string_view text) = 0;

    // Returns false, changing nothing, when the value lies outside the scroll bar's range.
    virtual std::int16_t highAlarm() const = 0;
    virtual bool setHighAlarm(std::int16_t value) = 0;
    virtual std::int16_t lowAlarm() const = 0;
    virtual bool setLowAlarm(std::int16_t value) = 0;

    // number is 1, 2 or 3.
    virtual std::u16string smsNumber(int number) const = 0;
    virtual void setSmsNumber(int number, std::u16string_view text) = 0;

    // 0 English, 1 French, 2 German, 3 Dutch, -1 when no entry is selected.
    // Returns false, changing nothing, for an index outside -1 to the last entry.
    virtual std::int16_t languageIndex() const = 0;
    virtual bool setLanguageIndex(std::int16_t index) = 0;

  protected:
    ~EditorState() = default;
};

}  // namespace orvane
