#pragma once

#include "platform/shell.h"

namespace orvane::platform::qt {

// The desktop's own handlers (xdg-open on Linux) open folders and addresses.
class QtShell final : public Shell {
  public:
    void beep() override;
    bool isDirectory(std::u16string_view path) override;
    bool openFolder(std::u16string_view path) override;
    bool openAddress(std::u16string_view address) override;
};

}  // namespace orvane::platform::qt
