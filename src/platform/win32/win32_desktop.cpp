#include "platform/paths.h"
#include "platform/win32/dll_search.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_toolkit.h"

namespace orvane::platform {
namespace {

class Win32Desktop final : public Desktop {
  public:
    Services services() override { return {toolkit_, programFolder(), dialogs_, shell_}; }

  private:
    win32::Win32Toolkit toolkit_;
    win32::Win32Dialogs dialogs_{toolkit_};
    win32::Win32Shell shell_{toolkit_};
};

}  // namespace

std::unique_ptr<Desktop> startDesktop(int& /*argc*/, char** /*argv*/) {
    win32::loadDllsOnlyFromSystem();
    return std::make_unique<Win32Desktop>();
}

}  // namespace orvane::platform
