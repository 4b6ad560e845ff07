#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window.h"
#include "support/fake_desktop.h"
#include "support/keyboard.h"
#include "support/scratch_folder.h"

namespace orvane::test {

// The real editor window, started by Main against a temporary program folder, with scripted
// dialogs and a recording shell.
class Win32Editor {
  public:
    Win32Editor() = default;
    ~Win32Editor();

    const ScratchFolder& folder() const { return folder_; }
    // The program's folder: the temporary folder, unless another was made in it.
    const std::filesystem::path& programFolder() const { return programFolder_; }
    // Makes the folder `inside` (its path may be longer than MAX_PATH) in the temporary folder,
    // for the program's folder.
    void makeProgramFolder(const std::filesystem::path& inside);
    std::filesystem::path settingsPath() const { return programFolder_ / "SETTINGS.TXT"; }
    void writeSettings(std::string_view bytes) const { writeFile(settingsPath(), bytes); }
    std::string readSettings() const { return readFile(settingsPath()); }

    // Runs the start-up sequence and handles what it left waiting.
    Form1& start();
    // The same with other dialogs than the scripted ones.
    Form1& start(platform::Dialogs& otherDialogs);
    Form1& form() { return *form_; }
    platform::win32::Win32Window& window();
    HWND handle() { return window().handle(); }
    HWND control(platform::ControlId id) { return window().control(id); }
    bool isOpen() { return IsWindow(handle()) != FALSE && window().isVisible(); }

    // The frames' captions as the controls show them.
    std::vector<std::u16string> frameCaptions();
    // The control that has the keyboard focus, or kNoControl.
    platform::ControlId focusedControl();

    void pump() { toolkit_.processPendingMessages(); }
    Keyboard keyboard() { return Keyboard(toolkit_); }
    platform::win32::Win32Toolkit& toolkit() { return toolkit_; }

    ScriptedDialogs dialogs;
    RecordingShell shell;

  private:
    ScratchFolder folder_;
    std::filesystem::path programFolder_ = folder_.path();
    platform::win32::Win32Toolkit toolkit_;
    std::unique_ptr<Form1> form_;
};

std::u16string windowText(HWND hwnd);

}  // namespace orvane::test
