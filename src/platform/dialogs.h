#pragma once

#include <string_view>

namespace orvane::platform {

enum class Answer { Yes, No, Cancel };

// Modal message boxes over the program's window.
class Dialogs {
  public:
    // Yes/No/Cancel with the question icon; Esc and the box's close button answer Cancel.
    virtual Answer ask(std::u16string_view text, std::u16string_view title) = 0;
    // Yes/No with the warning icon and No as the default; Esc and the close button answer No.
    // True for Yes.
    virtual bool confirm(std::u16string_view text, std::u16string_view title) = 0;
    // One OK button with the warning icon.
    virtual void warn(std::u16string_view text, std::u16string_view title) = 0;

  protected:
    ~Dialogs() = default;
};

}  // namespace orvane::platform
