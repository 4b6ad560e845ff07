#include "support/win32_editor.h"

#include "i18n/caption_table.h"
#include "ui/form1_design.h"

namespace orvane::test {

Win32Editor::~Win32Editor() {
    form_.reset();
    toolkit_.processPendingMessages();
}

void Win32Editor::makeProgramFolder(const std::filesystem::path& inside) {
    programFolder_ = folder_.path() / inside;
    makeFolders(programFolder_);
}

Form1& Win32Editor::start() {
    return start(dialogs);
}

Form1& Win32Editor::start(platform::Dialogs& otherDialogs) {
    const platform::Services services{toolkit_, programFolder_.u16string(), otherDialogs, shell};
    form_ = Main(services);
    pump();
    return *form_;
}

platform::win32::Win32Window& Win32Editor::window() {
    return static_cast<platform::win32::Win32Window&>(form_->window());
}

std::vector<std::u16string> Win32Editor::frameCaptions() {
    std::vector<std::u16string> captions;
    for (int index = 0; index < FrameCaptions::kFrameCount; ++index) {
        captions.push_back(windowText(control(form1::frame(index))));
    }
    return captions;
}

platform::ControlId Win32Editor::focusedControl() {
    for (HWND part = GetFocus(); part != nullptr && part != handle(); part = GetParent(part)) {
        for (int id = 0; id < form1::kControlCount; ++id) {
            if (control(id) == part) {
                return id;
            }
        }
    }
    return platform::kNoControl;
}

std::u16string windowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

}  // namespace orvane::test
