#pragma once

#include <memory>
#include <vector>

#include "platform/shared/event_gate.h"
#include "platform/win32/accessibility_annotations.h"
#include "platform/win32/screen_dpi.h"
#include "platform/win32/scroll_tracker.h"
#include "platform/win32/text_box.h"
#include "platform/win32/windows_api.h"
#include "platform/window.h"

namespace orvane::platform::win32 {

class Win32Toolkit;

// The program's window built from its design table with Win32 controls: a fixed-size top-level
// window whose controls are all its direct children, frames (group boxes) included, stacked and
// placed as the design says. Control ids are the design ids plus kFirstControlId.
class Win32Window final : public Window {
  public:
    static constexpr int kFirstControlId = 100;
    static constexpr const wchar_t* kClassName = L"OrvanePMForm";
    static void registerClass();

    Win32Window(Win32Toolkit& toolkit, const FormDesign& design, FormEvents& events);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    HWND handle() const { return hwnd_; }
    HWND control(ControlId id) const { return controls_.at(static_cast<std::size_t>(id)); }
    HWND toolTip() const { return toolTip_; }
    // Tab, Shift+Tab and Enter on a button, done before the message is translated; true when the
    // message was used up.
    bool handleNavigationKey(const MSG& message);

    void setCaption(std::u16string_view caption) override;
    TwipSize outerSize() const override;
    TwipSize screenSize() const override;
    void setLeft(float twips) override;
    void setTop(float twips) override;
    void show() override;
    bool isVisible() const override;

    std::u16string text(ControlId control) const override;
    void setText(ControlId control, std::u16string_view text) override;
    void setAccessibleText(ControlId control, std::u16string_view name,
                           std::u16string_view description) override;
    int value(ControlId control) const override;
    void setValue(ControlId control, int value) override;
    void addItem(ControlId control, int position, std::u16string_view item) override;
    int itemCount(ControlId control) const override;
    int listIndex(ControlId control) const override;
    void setListIndex(ControlId control, int index) override;

  private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createForm();
    void createControls();
    void fitClientArea();
    HWND createControl(ControlId id);
    void stackControls();
    void setPicture(HWND button, ControlId id);
    void setIcons();
    void dpiChanged(ScreenDpi dpi, const RECT& suggested);  // on WM_DPICHANGED

    const ControlDesign& design(ControlId id) const;
    ControlId controlOf(HWND hwnd) const;
    void focusControl(ControlId id);
    void moveTo(int x, int y);

    // Message handlers (form_messages.cpp).
    void command(HWND control, int code);
    void scrolled(HWND bar, int request, int position);
    bool closeRequested();  // true when the window has gone
    void activated(bool active);
    void destroying();

    Win32Toolkit& toolkit_;
    const FormDesign& design_;
    EventGate events_;
    const ScreenDpi systemDpi_;
    ScreenDpi dpi_;  // that of the monitor the window is on
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    std::vector<HICON> pictures_;  // by ControlId
    HWND toolTip_ = nullptr;
    std::vector<HWND> controls_;  // by ControlId
    std::vector<ControlId> tabOrder_;
    std::vector<std::unique_ptr<TextBoxInput>> textBoxes_;
    std::vector<ScrollTracker> scrollTrackers_;  // by ControlId
    AccessibilityAnnotations annotations_;
    ControlId focused_ = kNoControl;  // the control that gets the focus back on activation
    bool programChanging_ = false;    // notifications caused by a setter are not reported
};

}  // namespace orvane::platform::win32
