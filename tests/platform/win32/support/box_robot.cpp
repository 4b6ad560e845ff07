#include "support/box_robot.h"

#include <array>

#include "support/win32_editor.h"

namespace orvane::test {
namespace {

bool hasClass(HWND hwnd, std::wstring_view className) {
    std::array<wchar_t, 16> name{};
    GetClassNameW(hwnd, name.data(), static_cast<int>(name.size()));
    return CompareStringOrdinal(name.data(), -1, className.data(),
                                static_cast<int>(className.size()), TRUE) == CSTR_EQUAL;
}

BOOL CALLBACK findBox(HWND hwnd, LPARAM found) {
    if (IsWindowVisible(hwnd) && hasClass(hwnd, L"#32770")) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findDefaultButton(HWND child, LPARAM id) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    if (hasClass(child, L"Button") && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        *reinterpret_cast<int*>(id) = GetDlgCtrlID(child);
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findIcon(HWND child, LPARAM icon) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    if (hasClass(child, L"Static") && (style & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HICON*>(icon) =
            reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        return FALSE;
    }
    return TRUE;
}

}  // namespace

BoxRobot::BoxRobot(std::vector<Action> actions) : actions_(std::move(actions)) {
    robot_ = this;
    timer_ = SetTimer(nullptr, 0, 50, tick);
}

BoxRobot::~BoxRobot() {
    KillTimer(nullptr, timer_);
    robot_ = nullptr;
}

const BoxRobot::Seen& BoxRobot::seen() const {
    static const Seen none;
    return seen_.empty() ? none : seen_.front();
}

void CALLBACK BoxRobot::tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
    // A box that was answered may take a moment to go.
    if (box != nullptr && robot_ != nullptr && box != robot_->lastBox_ &&
        robot_->seen_.size() < robot_->actions_.size()) {
        robot_->act(box);
    }
}

void BoxRobot::act(HWND box) {
    lastBox_ = box;
    Seen seen;
    seen.title = windowText(box);
    seen.text = windowText(GetDlgItem(box, 0xFFFF));
    seen.owner = GetWindow(box, GW_OWNER);
    seen.ownerVisible = IsWindowVisible(seen.owner) != FALSE;
    seen.yes = GetDlgItem(box, IDYES) != nullptr;
    seen.no = GetDlgItem(box, IDNO) != nullptr;
    seen.cancel = GetDlgItem(box, IDCANCEL) != nullptr;
    seen.ok = GetDlgItem(box, IDOK) != nullptr;
    EnumChildWindows(box, findDefaultButton, reinterpret_cast<LPARAM>(&seen.defaultButton));
    EnumChildWindows(box, findIcon, reinterpret_cast<LPARAM>(&seen.icon));
    seen_.push_back(seen);
    actions_[seen_.size() - 1](box);
}

void pressEscape(HWND box) {
    PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1);
}
void closeBox(HWND box) {
    PostMessageW(box, WM_CLOSE, 0, 0);
}
void chooseYes(HWND box) {
    PostMessageW(box, WM_COMMAND, IDYES, 0);
}
void chooseNo(HWND box) {
    PostMessageW(box, WM_COMMAND, IDNO, 0);
}
void chooseOk(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace orvane::test
