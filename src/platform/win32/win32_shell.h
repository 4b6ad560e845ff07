#pragma once

#include "platform/shell.h"

namespace orvane::platform::win32 {

class Win32Toolkit;

// The Windows shell opens folders in the file browser and addresses in the default browser, by
// their association, with the path or address as the one thing to open.
class Win32Shell final : public Shell {
  public:
    explicit Win32Shell(const Win32Toolkit& toolkit) : toolkit_(toolkit) {}
    void beep() override;
    // Only a folder the user can see counts: a hidden or system folder does not.
    bool isDirectory(std::u16string_view path) override;
    bool openFolder(std::u16string_view path) override;
    bool openAddress(std::u16string_view address) override;

  private:
    bool open(std::u16string_view target);

    const Win32Toolkit& toolkit_;
};

}  // namespace orvane::platform::win32
