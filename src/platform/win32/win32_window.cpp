#include "platform/win32/win32_window.h"

#include "platform/win32/windows_api.h"

#include <commctrl.h>

#include <cmath>

#include "platform/shared/form_layout.h"
#include "platform/shared/picture_rendering.h"
#include "platform/win32/combo_box.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_toolkit.h"

namespace orvane::platform::win32 {
namespace {

// A fixed single border with a title bar and the window menu: no sizing, no minimise and no
// maximise button.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
constexpr DWORD kFormExStyle = 0;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// The open list of the language box shows this many entries' height below the field.
constexpr int kDroppedListFieldHeights = 6;

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

// The control's place in the client area at `dpi`.
PixelRect pixelRect(const FormDesign& design, ControlId id, ScreenDpi dpi) {
    const TwipRect rect = rectInWindow(design, id);
    return {pixelsFromTwips(rect.left, dpi.x), pixelsFromTwips(rect.top, dpi.y),
            pixelsFromTwips(rect.width, dpi.x), pixelsFromTwips(rect.height, dpi.y)};
}

// A drop-down combo box's window is as high as it is with its list open.
int windowHeight(ControlKind kind, int height) {
    return kind == ControlKind::ComboBox ? height * (1 + kDroppedListFieldHeights) : height;
}

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

// In the Western character set, as the window was designed: with the default set, a system in
// another language may map the face to a font of that language's, with other widths.
HFONT createDesignFont(const FontDesign& font, int dpiY) {
    constexpr int kHundredthsPerPoint = 100;
    constexpr int kHundredthsPerInch = 7200;
    const int hundredths = static_cast<int>(std::lround(font.pointSize * kHundredthsPerPoint));
    const std::wstring family = toWide(font.family);
    return CreateFontW(-MulDiv(hundredths, dpiY, kHundredthsPerInch), 0, 0, 0, font.weight, FALSE,
                       FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family.c_str());
}

// The picture's icon from the program's resources at `size` x `size` pixels, or nothing for
// Picture::None. The caller destroys it (DestroyIcon).
HICON loadPicture(Picture picture, int size) {
    int resource = 0;
    switch (picture) {
        case Picture::MonitorHousing:
            resource = ORVANE_ICON_MONITOR;
            break;
        case Picture::FolderWithMagnifier:
            resource = ORVANE_ICON_DATA_FOLDER;
            break;
        case Picture::DeskGlobe:
            resource = ORVANE_ICON_PRODUCT_PAGE;
            break;
        case Picture::None:
            return nullptr;
    }
    return static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(resource), IMAGE_ICON, size,
                                         size, LR_DEFAULTCOLOR));
}

// At the screen's scale, drawn from the rendering the Qt build draws at the same size.
HICON loadButtonPicture(Picture picture, int dpi) {
    const int size = MulDiv(kButtonPictureSize, dpi, USER_DEFAULT_SCREEN_DPI);
    const int rendering = pictureRendering(kPictureRenderings, size, size);
    const HICON icon = loadPicture(picture, rendering);
    if (icon == nullptr || rendering == size) {
        return icon;
    }
    return static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, LR_COPYDELETEORG));
}

// A tooltip window owned by `owner` that shows `text` over the control `tool`; it follows the
// mouse by itself and goes with its owner.
HWND createToolTip(HWND owner, HWND tool, std::u16string_view text) {
    const HWND tip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance(), nullptr);
    if (tip == nullptr) {
        return nullptr;
    }
    std::wstring copy = toWide(text);  // the tooltip keeps its own copy
    TTTOOLINFOW info{};
    // The size every version of the common controls knows, with or without visual styles.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = copy.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    return tip;
}

std::wstring windowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    const int length = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

void Win32Window::registerClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

Win32Window::Win32Window(Win32Toolkit& toolkit, const FormDesign& design, FormEvents& events)
    : toolkit_(toolkit),
      design_(design),
      events_(events),
      systemDpi_(screenDpi()),
      dpi_(systemDpi_),
      pictures_(design.controls.size()),
      scrollTrackers_(design.controls.size()) {
    createForm();
    font_ = createDesignFont(design.font, dpi_.y);
    createControls();
    stackControls();
    setIcons();
    tabOrder_ = tabOrder(design);
    focused_ = tabOrder_.empty() ? kNoControl : tabOrder_.front();
    toolkit_.windowOpened(*this);
}

Win32Window::~Win32Window() {
    events_.close();
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    DeleteObject(font_);
    for (const HICON icon : {bigIcon_, smallIcon_}) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
    for (const HICON icon : pictures_) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

void Win32Window::createForm() {
    RECT frame{0, 0, pixelsFromTwips(design_.clientWidth, dpi_.x),
               pixelsFromTwips(design_.clientHeight, dpi_.y)};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    const std::wstring caption = toWide(design_.caption);
    CreateWindowExW(kFormExStyle, kClassName, caption.c_str(), kFormStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                    nullptr, instance(), this);
    // Windows opens a new window on a monitor of its choosing, whose DPI may not be the system's;
    // no WM_DPICHANGED comes for that.
    if (hwnd_ == nullptr) {
        return;
    }
    if (const ScreenDpi monitorDpi = windowDpi(hwnd_); monitorDpi != dpi_) {
        dpi_ = monitorDpi;
        fitClientArea();
    }
}

// The frame around the client area is measured, not computed: at another DPI than the system's,
// only Windows knows the size of its title bar and borders.
void Win32Window::fitClientArea() {
    RECT outer{};
    RECT client{};
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    const int width =
        (outer.right - outer.left) - client.right + pixelsFromTwips(design_.clientWidth, dpi_.x);
    const int height =
        (outer.bottom - outer.top) - client.bottom + pixelsFromTwips(design_.clientHeight, dpi_.y);
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::createControls() {
    controls_.reserve(design_.controls.size());
    for (std::size_t id = 0; id < design_.controls.size(); ++id) {
        controls_.push_back(createControl(static_cast<ControlId>(id)));
    }
}

HWND Win32Window::createControl(ControlId id) {
    const ControlDesign& control = design(id);
    const PixelRect rect = pixelRect(design_, id, dpi_);
    const std::wstring text = toWide(control.text);
    const auto create = [&](DWORD exStyle, const wchar_t* windowClass, DWORD style) {
        const HWND hwnd =
            CreateWindowExW(exStyle, windowClass, text.c_str(), kChildStyle | style, rect.left,
                            rect.top, rect.width, windowHeight(control.kind, rect.height), hwnd_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + id)),
                            instance(), nullptr);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return hwnd;
    };
    switch (control.kind) {
        case ControlKind::Frame:
            return create(0, WC_BUTTONW, BS_GROUPBOX);
        case ControlKind::ComboBox: {
            const HWND combo =
                create(0, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP);
            fitComboHeight(combo, rect.height);
            return combo;
        }
        case ControlKind::PictureButton: {
            const HWND button = create(0, WC_BUTTONW, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP);
            setPicture(button, id);
            if (!control.toolTip.empty()) {
                toolTip_ = createToolTip(hwnd_, button, control.toolTip);
                SendMessageW(toolTip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
            }
            return button;
        }
        case ControlKind::HScrollBar: {
            const HWND bar = create(0, WC_SCROLLBARW, SBS_HORZ | WS_TABSTOP);
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
            info.nMin = control.scroll.min;
            info.nMax = control.scroll.max;
            info.nPage = 0;  // a thumb of fixed size, so that every value up to nMax is reachable
            info.nPos = control.scroll.initial;
            SetScrollInfo(bar, SB_CTL, &info, FALSE);
            return bar;
        }
        case ControlKind::TextBox: {
            const HWND box =
                create(WS_EX_CLIENTEDGE, WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP);
            if (control.maxLength > 0) {
                SendMessageW(box, EM_LIMITTEXT, static_cast<WPARAM>(control.maxLength), 0);
            }
            textBoxes_.push_back(std::make_unique<TextBoxInput>(box, id, events_));
            return box;
        }
    }
    return nullptr;
}

// Each control in turn goes to the top, from the back to the front.
void Win32Window::stackControls() {
    const std::vector<ControlId> order = stackingOrder(design_);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        SetWindowPos(control(*it), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
}

// The button's picture at the window's scale, in place of the one it had.
void Win32Window::setPicture(HWND button, ControlId id) {
    HICON& picture = pictures_[static_cast<std::size_t>(id)];
    const HICON old = picture;
    picture = loadButtonPicture(design(id).picture, dpi_.x);
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture));
    if (old != nullptr) {
        DestroyIcon(old);
    }
}

// The system's icon sizes are those at the system's DPI, so they are scaled to the window's
// (as GetSystemMetricsForDpi would give them: 48 and 24 pixels at 144 DPI).
void Win32Window::setIcons() {
    const HICON oldBig = bigIcon_;
    const HICON oldSmall = smallIcon_;
    bigIcon_ = loadPicture(design_.icon, MulDiv(GetSystemMetrics(SM_CXICON), dpi_.x, systemDpi_.x));
    smallIcon_ =
        loadPicture(design_.icon, MulDiv(GetSystemMetrics(SM_CXSMICON), dpi_.x, systemDpi_.x));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    for (const HICON icon : {oldBig, oldSmall}) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

// On a monitor of another DPI the window is laid out again from the design: size, places, font,
// pictures and icons at the new scale, at the place Windows suggests.
void Win32Window::dpiChanged(ScreenDpi dpi, const RECT& suggested) {
    dpi_ = dpi;
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    const HFONT oldFont = font_;
    font_ = createDesignFont(design_.font, dpi_.y);
    if (toolTip_ != nullptr) {
        SendMessageW(toolTip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        const auto id = static_cast<ControlId>(index);
        const HWND hwnd = controls_[index];
        const ControlKind kind = design(id).kind;
        const PixelRect rect = pixelRect(design_, id, dpi_);
        // The font first: the combo box takes its field's height from it.
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.width,
                     windowHeight(kind, rect.height), SWP_NOZORDER | SWP_NOACTIVATE);
        if (kind == ControlKind::ComboBox) {
            fitComboHeight(hwnd, rect.height);
        } else if (kind == ControlKind::PictureButton) {
            setPicture(hwnd, id);
        }
    }
    DeleteObject(oldFont);
    setIcons();
    // The frames draw only their outline, so what the old layout left between them is erased.
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

const ControlDesign& Win32Window::design(ControlId id) const {
    return design_.controls[static_cast<std::size_t>(id)];
}

// The control that holds `hwnd`, which may be a part of it such as the combo box's edit field.
ControlId Win32Window::controlOf(HWND hwnd) const {
    for (HWND part = hwnd; part != nullptr && part != hwnd_; part = GetParent(part)) {
        for (std::size_t id = 0; id < controls_.size(); ++id) {
            if (controls_[id] == part) {
                return static_cast<ControlId>(id);
            }
        }
    }
    return kNoControl;
}

void Win32Window::focusControl(ControlId id) {
    if (id == kNoControl || hwnd_ == nullptr) {
        return;
    }
    SetFocus(control(id));
}

void Win32Window::setCaption(std::u16string_view caption) {
    const std::wstring text = toWide(caption);
    SetWindowTextW(hwnd_, text.c_str());
}

TwipSize Win32Window::outerSize() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return {twipsFromPixels(rect.right - rect.left, dpi_.x),
            twipsFromPixels(rect.bottom - rect.top, dpi_.y)};
}

TwipSize Win32Window::screenSize() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return {twipsFromPixels(monitor.rcMonitor.right - monitor.rcMonitor.left, dpi_.x),
            twipsFromPixels(monitor.rcMonitor.bottom - monitor.rcMonitor.top, dpi_.y)};
}

void Win32Window::moveTo(int x, int y) {
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::setLeft(float twips) {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    moveTo(pixelsFromTwips(twips, dpi_.x), rect.top);
}

void Win32Window::setTop(float twips) {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    moveTo(rect.left, pixelsFromTwips(twips, dpi_.y));
}

void Win32Window::show() {
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    // Activation puts the focus on the first control; where the window did not become active,
    // it is put there all the same.
    if (controlOf(GetFocus()) == kNoControl) {
        focusControl(focused_);
    }
}

bool Win32Window::isVisible() const {
    return hwnd_ != nullptr && IsWindowVisible(hwnd_);
}

std::u16string Win32Window::text(ControlId id) const {
    if (hwnd_ == nullptr || design(id).kind == ControlKind::PictureButton ||
        design(id).kind == ControlKind::HScrollBar) {
        return {};
    }
    return fromWide(windowText(control(id)));
}

void Win32Window::setText(ControlId id, std::u16string_view text) {
    if (hwnd_ == nullptr) {
        return;
    }
    const std::wstring wide = toWide(text);
    programChanging_ = true;
    switch (design(id).kind) {
        case ControlKind::ComboBox:
            setComboText(control(id), wide);
            break;
        case ControlKind::Frame:
        case ControlKind::TextBox:
            SetWindowTextW(control(id), wide.c_str());
            break;
        case ControlKind::PictureButton:
        case ControlKind::HScrollBar:
            break;
    }
    programChanging_ = false;
}

void Win32Window::setAccessibleText(ControlId id, std::u16string_view name,
                                    std::u16string_view description) {
    if (hwnd_ == nullptr) {
        return;
    }
    annotations_.annotate(control(id), name, description);
    // The focus sits in the combo box's edit field, so that is what a screen reader reads out.
    if (design(id).kind == ControlKind::ComboBox) {
        annotations_.annotate(comboEdit(control(id)), name, description);
    }
}

int Win32Window::value(ControlId id) const {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    if (hwnd_ == nullptr || !GetScrollInfo(control(id), SB_CTL, &info)) {
        return design(id).scroll.initial;
    }
    return info.nPos;
}

void Win32Window::setValue(ControlId id, int value) {
    if (hwnd_ == nullptr) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    info.nPos = value;
    SetScrollInfo(control(id), SB_CTL, &info, TRUE);
}

void Win32Window::addItem(ControlId id, int position, std::u16string_view item) {
    if (hwnd_ == nullptr) {
        return;
    }
    const std::wstring text = toWide(item);
    programChanging_ = true;
    SendMessageW(control(id), CB_INSERTSTRING, static_cast<WPARAM>(position),
                 reinterpret_cast<LPARAM>(text.c_str()));
    programChanging_ = false;
}

int Win32Window::itemCount(ControlId id) const {
    if (hwnd_ == nullptr) {
        return 0;
    }
    return static_cast<int>(SendMessageW(control(id), CB_GETCOUNT, 0, 0));
}

int Win32Window::listIndex(ControlId id) const {
    if (hwnd_ == nullptr) {
        return -1;
    }
    return static_cast<int>(SendMessageW(control(id), CB_GETCURSEL, 0, 0));
}

void Win32Window::setListIndex(ControlId id, int index) {
    if (hwnd_ == nullptr) {
        return;
    }
    programChanging_ = true;
    SendMessageW(control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    programChanging_ = false;
}

}  // namespace orvane::platform::win32
