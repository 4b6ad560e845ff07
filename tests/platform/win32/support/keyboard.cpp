#include "support/keyboard.h"

#include <array>

namespace orvane::test {
namespace {

// Holds modifier keys down in this thread's keyboard state, as GetKeyState reports it.
class HeldModifiers {
  public:
    HeldModifiers(bool shift, bool control) {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> state = saved_;
        constexpr BYTE kDown = 0x80;
        state[VK_SHIFT] = shift ? kDown : 0;
        state[VK_CONTROL] = control ? kDown : 0;
        SetKeyboardState(state.data());
    }
    ~HeldModifiers() { SetKeyboardState(saved_.data()); }

  private:
    std::array<BYTE, 256> saved_{};
};

HWND targetOr(HWND target) {
    return target != nullptr ? target : GetFocus();
}

}  // namespace

void Keyboard::press(UINT key, bool shift, bool control, HWND target) {
    const HeldModifiers held(shift, control);
    const HWND window = targetOr(target);
    const UINT scanCode = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    const auto down = static_cast<LPARAM>(1 | (scanCode << 16));
    const auto up = static_cast<LPARAM>(down | (3u << 30));
    PostMessageW(window, WM_KEYDOWN, key, down);
    toolkit_.processPendingMessages();
    PostMessageW(window, WM_KEYUP, key, up);
    toolkit_.processPendingMessages();
}

void Keyboard::type(std::u16string_view text, HWND target) {
    for (const char16_t unit : text) {
        PostMessageW(targetOr(target), WM_CHAR, unit, 1);
        toolkit_.processPendingMessages();
    }
}

}  // namespace orvane::test
