#pragma once

#include "platform/dialogs.h"

namespace orvane::platform::win32 {

class Win32Toolkit;

// The system's message boxes, owned by the program's window.
class Win32Dialogs final : public Dialogs {
  public:
    explicit Win32Dialogs(const Win32Toolkit& toolkit) : toolkit_(toolkit) {}
    Answer ask(std::u16string_view text, std::u16string_view title) override;
    bool confirm(std::u16string_view text, std::u16string_view title) override;
    void warn(std::u16string_view text, std::u16string_view title) override;

  private:
    const Win32Toolkit& toolkit_;
};

}  // namespace orvane::platform::win32
