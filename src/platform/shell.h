#pragma once

#include <string_view>

namespace orvane::platform {

// The desktop around the program. Paths and addresses are handed over as data, never as part of
// a command line.
class Shell {
  public:
    virtual void beep() = 0;
    virtual bool isDirectory(std::u16string_view path) = 0;
    // Show a folder in the file browser; false when no file browser could be started.
    virtual bool openFolder(std::u16string_view path) = 0;
    // Open a web address in the default browser; false when no browser could be started.
    virtual bool openAddress(std::u16string_view address) = 0;

  protected:
    ~Shell() = default;
};

}  // namespace orvane::platform
