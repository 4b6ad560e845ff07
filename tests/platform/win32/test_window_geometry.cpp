// The editor window as it first appears on Windows: size, style, placement and stacking of the
// controls, font, pictures, tooltip, limits and start-up state.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <oleacc.h>

#include <array>
#include <cstdlib>

#include "i18n/caption_table.h"
#include "platform/win32/combo_box.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/screen_dpi.h"
#include "support/win32_editor.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::platform::ControlId;
using orvane::test::Win32Editor;
using orvane::test::windowText;

RECT rectInClient(HWND form, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class WindowGeometry : public testing::Test {
  protected:
    void SetUp() override {
        editor.start();
        const HDC screen = GetDC(nullptr);
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        ASSERT_EQ(dpi, 96) << "the pixel positions below are those at 96 DPI";
    }
    Win32Editor editor;
    int dpi = 0;
};

TEST_F(WindowGeometry, window_hasA450By361ClientAreaWithOnlyACloseButtonAndTheWindowMenu) {
    RECT client{};
    GetClientRect(editor.handle(), &client);
    EXPECT_EQ(client.right, 450);
    EXPECT_EQ(client.bottom, 361);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(editor.handle(), GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_NE(style & WS_SYSMENU, 0u);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    EXPECT_NE(GetSystemMenu(editor.handle(), FALSE), nullptr);
    EXPECT_EQ(windowText(editor.handle()), u"Orvane™ PM");
    EXPECT_NE(SendMessageW(editor.handle(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(editor.handle(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(WindowGeometry, startUp_centresWindowOnScreen) {
    RECT frame{};
    GetWindowRect(editor.handle(), &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(editor.handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT screen = monitor.rcMonitor;
    EXPECT_LE(std::abs((frame.left - screen.left) - (screen.right - frame.right)), 1);
    EXPECT_LE(std::abs((frame.top - screen.top) - (screen.bottom - frame.bottom)), 1);
}

struct Placement {
    ControlId control;
    RECT pixels;  // left, top, right, bottom in the client area
};

class ControlPlacement : public WindowGeometry, public testing::WithParamInterface<Placement> {};

TEST_P(ControlPlacement, control_standsAtItsDesignPixels) {
    const RECT rect = rectInClient(editor.handle(), editor.control(GetParam().control));
    const RECT expected = GetParam().pixels;
    EXPECT_EQ(rect.left, expected.left);
    EXPECT_EQ(rect.top, expected.top);
    EXPECT_EQ(rect.right, expected.right);
    EXPECT_EQ(rect.bottom, expected.bottom);
    EXPECT_TRUE(IsWindowVisible(editor.control(GetParam().control)));
    EXPECT_EQ(GetParent(editor.control(GetParam().control)), editor.handle());
}

// Pixels at 96 DPI: twips divided by 15.
INSTANTIATE_TEST_SUITE_P(
    Design, ControlPlacement,
    testing::Values(
        Placement{kFrame0, {8, 8, 217, 65}}, Placement{kCombo1, {24, 32, 201, 53}},
        Placement{kCommand2, {232, 16, 329, 65}}, Placement{kCommand1, {344, 16, 441, 65}},
        Placement{kFrame1, {8, 80, 441, 137}}, Placement{kHScroll1, {24, 104, 425, 121}},
        Placement{kFrame2, {8, 152, 441, 209}}, Placement{kHScroll2, {24, 176, 425, 193}},
        Placement{kFrame3, {8, 224, 217, 281}}, Placement{kText5, {24, 248, 201, 269}},
        Placement{kFrame4, {232, 224, 441, 281}}, Placement{kText1_1, {248, 248, 425, 269}},
        Placement{kFrame5, {8, 296, 217, 353}}, Placement{kText1_2, {24, 320, 201, 341}},
        Placement{kFrame6, {232, 296, 441, 353}}, Placement{kText1_3, {248, 320, 425, 341}}));

TEST_F(WindowGeometry, controls_stackFrontToBackInDesignOrder) {
    std::vector<ControlId> frontToBack;
    for (HWND child = GetWindow(editor.handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        for (int id = 0; id < kControlCount; ++id) {
            if (editor.control(id) == child) {
                frontToBack.push_back(id);
            }
        }
    }
    const std::vector<ControlId> expected = {
        kCommand2, kText1_3,  kFrame6, kText1_2,  kFrame5, kText1_1, kFrame4, kText5,
        kFrame3,   kHScroll2, kFrame2, kHScroll1, kFrame1, kCombo1,  kFrame0, kCommand1};
    EXPECT_EQ(frontToBack, expected);
}

TEST_F(WindowGeometry, pointAtAControlOverItsFrame_findsTheControl) {
    for (const ControlId id : {kCombo1, kHScroll1, kHScroll2, kText5, kText1_2}) {
        const RECT rect = rectInClient(editor.handle(), editor.control(id));
        const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        EXPECT_EQ(ChildWindowFromPointEx(editor.handle(), centre, CWP_SKIPINVISIBLE),
                  editor.control(id))
            << "control " << id;
    }
}

// Scroll bars show no text and keep no font.
TEST_F(WindowGeometry, everyControlWithText_usesVerdana8Point25) {
    for (int id = 0; id < kControlCount; ++id) {
        if (id == kHScroll1 || id == kHScroll2) {
            EXPECT_EQ(SendMessageW(editor.control(id), WM_GETFONT, 0, 0), 0);
            continue;
        }
        const auto font =
            reinterpret_cast<HFONT>(SendMessageW(editor.control(id), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << "control " << id;
        LOGFONTW logFont{};
        ASSERT_NE(GetObjectW(font, sizeof(logFont), &logFont), 0);
        EXPECT_STREQ(logFont.lfFaceName, L"Verdana");
        EXPECT_EQ(logFont.lfHeight, -11);  // 8.25 pt at 96 DPI
        EXPECT_EQ(logFont.lfWeight, FW_NORMAL);
        EXPECT_EQ(logFont.lfCharSet, ANSI_CHARSET);
        EXPECT_FALSE(logFont.lfItalic || logFont.lfUnderline || logFont.lfStrikeOut);
    }
}

TEST_F(WindowGeometry, fields_haveTheirLengthLimitsAndTheBarsTheirRange) {
    EXPECT_EQ(SendMessageW(editor.control(kText5), EM_GETLIMITTEXT, 0, 0), 64);
    for (int number = 1; number <= 3; ++number) {
        EXPECT_EQ(SendMessageW(editor.control(text1(number)), EM_GETLIMITTEXT, 0, 0), 16);
    }
    for (const ControlId bar : {kHScroll1, kHScroll2}) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(editor.control(bar), SB_CTL, &info));
        EXPECT_EQ(info.nMin, 0);
        EXPECT_EQ(info.nMax, 100);
        EXPECT_EQ(info.nPage, 0u);
        EXPECT_NE(GetWindowLongPtrW(editor.control(bar), GWL_STYLE) & WS_TABSTOP, 0);
    }
    const auto comboStyle = GetWindowLongPtrW(editor.control(kCombo1), GWL_STYLE);
    EXPECT_EQ(comboStyle & 3, CBS_DROPDOWN);
}

TEST_F(WindowGeometry, buttons_showTheirPictureWithATransparentCornerAndCommand1ATooltip) {
    for (const ControlId id : {kCommand1, kCommand2}) {
        const HWND button = editor.control(id);
        EXPECT_TRUE(windowText(button).empty());
        EXPECT_NE(GetWindowLongPtrW(button, GWL_STYLE) & BS_ICON, 0);
        const auto icon = reinterpret_cast<HICON>(SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0));
        ASSERT_NE(icon, nullptr);
        // Drawn over magenta, the corner lets it through and the middle does not.
        const HDC screen = GetDC(nullptr);
        const HDC canvas = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
        const HGDIOBJ old = SelectObject(canvas, bitmap);
        const HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
        const RECT all{0, 0, 32, 32};
        FillRect(canvas, &all, magenta);
        DrawIconEx(canvas, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
        EXPECT_EQ(GetPixel(canvas, 0, 0), RGB(255, 0, 255));
        EXPECT_NE(GetPixel(canvas, 16, 16), RGB(255, 0, 255));
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(colour.bmWidth, 32);
        EXPECT_EQ(colour.bmHeight, 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        SelectObject(canvas, old);
        DeleteObject(magenta);
        DeleteObject(bitmap);
        DeleteDC(canvas);
        ReleaseDC(nullptr, screen);
    }
    const HWND tip = editor.window().toolTip();
    ASSERT_NE(tip, nullptr);
    ASSERT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    std::array<wchar_t, 80> text{};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.lpszText = text.data();
    ASSERT_TRUE(SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(reinterpret_cast<HWND>(info.uId), editor.control(kCommand1));
    EXPECT_STREQ(text.data(), L"SAVE FILE");
}

// The colour pixels of `icon`, with its width.
std::pair<LONG, std::string> colourPixels(HICON icon) {
    ICONINFO info{};
    GetIconInfo(icon, &info);
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    std::string pixels(static_cast<std::size_t>(colour.bmWidthBytes * colour.bmHeight), '\0');
    GetBitmapBits(info.hbmColor, static_cast<LONG>(pixels.size()), pixels.data());
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {colour.bmWidth, pixels};
}

// Also run at 144 DPI, which that run names in ORVANE_SCREEN_DPI.
TEST(ScreensScale, buttonPictures_areTheRenderingOfTheirSizeOnTheScreen) {
    Win32Editor editor;
    editor.start();
    const int dpi = orvane::platform::win32::screenDpi().x;
    if (const char* named = std::getenv("ORVANE_SCREEN_DPI")) {
        ASSERT_EQ(dpi, std::atoi(named));
    }
    const int size = MulDiv(32, dpi, USER_DEFAULT_SCREEN_DPI);  // 48 at 144 DPI
    for (const auto& [id, resource] : {std::pair{kCommand1, ORVANE_ICON_DATA_FOLDER},
                                       std::pair{kCommand2, ORVANE_ICON_PRODUCT_PAGE}}) {
        const auto icon =
            reinterpret_cast<HICON>(SendMessageW(editor.control(id), BM_GETIMAGE, IMAGE_ICON, 0));
        const auto rendering = static_cast<HICON>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, 0));
        EXPECT_TRUE(colourPixels(icon) == colourPixels(rendering))
            << "not the rendering of " << size;
        DestroyIcon(rendering);
    }
}

// What Windows sends when the window moves to a monitor of another DPI: the DPI and where the
// window should go, here with Wine's frame, which has one size at every DPI.
TEST_F(WindowGeometry, movedToAMonitorOfAnotherDpi_laysItselfOutAtThatScale) {
    struct Scale {
        int dpi;
        LONG fontHeight;
        LONG pictureSize;  // of the buttons' pictures and the window's icon
        SIZE client;
        RECT combo1, text1_3;  // in the client area
    };
    const Scale scales[] = {{144, -17, 48, {675, 542}, {36, 48, 302, 80}, {372, 480, 638, 512}},
                            {96, -11, 32, {450, 361}, {24, 32, 201, 53}, {248, 320, 425, 341}}};
    const HWND form = editor.handle();
    for (const Scale& scale : scales) {
        RECT suggested{};
        RECT rect{};
        GetWindowRect(form, &suggested);
        GetClientRect(form, &rect);
        suggested.right += scale.client.cx - rect.right;
        suggested.bottom += scale.client.cy - rect.bottom;
        OffsetRect(&suggested, 10, 20);
        SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(scale.dpi, scale.dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(form, &rect);
        EXPECT_TRUE(EqualRect(&rect, &suggested)) << scale.dpi;
        GetClientRect(form, &rect);
        EXPECT_EQ(rect.right, scale.client.cx) << scale.dpi;
        EXPECT_EQ(rect.bottom, scale.client.cy) << scale.dpi;
        for (const auto& [id, expected] :
             {std::pair{kCombo1, scale.combo1}, std::pair{kText1_3, scale.text1_3}}) {
            rect = rectInClient(form, editor.control(id));
            EXPECT_TRUE(EqualRect(&rect, &expected)) << scale.dpi << " dpi, control " << id;
        }
        LOGFONTW font{};
        GetObjectW(
            reinterpret_cast<HFONT>(SendMessageW(editor.control(kText1_3), WM_GETFONT, 0, 0)),
            sizeof(font), &font);
        EXPECT_EQ(font.lfHeight, scale.fontHeight) << scale.dpi;
        const auto picture = SendMessageW(editor.control(kCommand1), BM_GETIMAGE, IMAGE_ICON, 0);
        const auto icon = SendMessageW(form, WM_GETICON, ICON_BIG, 0);
        for (const LRESULT image : {picture, icon}) {
            EXPECT_EQ(colourPixels(reinterpret_cast<HICON>(image)).first, scale.pictureSize)
                << scale.dpi;
        }
    }
}

TEST_F(WindowGeometry, startUp_showsEnglishWithTheDesignValuesAndTheFocusInTheLanguageBox) {
    const HWND combo = editor.control(kCombo1);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
    const std::u16string_view entries[] = {u"English", u"Français", u"Deutsch", u"Nederlands"};
    for (int index = 0; index < 4; ++index) {
        std::array<wchar_t, 32> item{};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(item.data()));
        EXPECT_EQ(std::u16string(item.data(), item.data() + wcslen(item.data())), entries[index]);
    }
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(windowText(combo), u"English");
    orvane::CaptionTable table;
    table.rebuild(0, 0);
    std::vector<std::u16string> captions;
    for (int frame = 0; frame < orvane::FrameCaptions::kFrameCount; ++frame) {
        captions.push_back(table.entry(0, frame));
    }
    EXPECT_EQ(editor.frameCaptions(), captions);
    EXPECT_EQ(editor.focusedControl(), kCombo1);
    EXPECT_EQ(GetFocus(), orvane::platform::win32::comboEdit(combo));
}

}  // namespace

namespace {

// What a screen reader asks the window for: the name of the control's client object.
std::u16string accessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return {};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::u16string text;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        text.assign(name, name + SysStringLen(name));
        SysFreeString(name);
    }
    accessible->Release();
    return text;
}

TEST_F(WindowGeometry, screenReader_hearsEachControlByItsFrameCaption) {
    // Wine's annotation service takes no annotations: there the texts cannot be heard.
    orvane::platform::win32::AccessibilityAnnotations probe;
    if (!probe.annotate(editor.handle(), u"probe", u"probe")) {
        GTEST_SKIP() << "this system's annotation service (oleacc) takes no annotations";
    }
    orvane::CaptionTable captions;
    captions.rebuild(0, 0);
    EXPECT_EQ(accessibleName(editor.control(kText1_2)), captions.entry(0, 5));
    EXPECT_EQ(accessibleName(editor.control(kHScroll1)), captions.entry(0, 1));
    ASSERT_TRUE(editor.form().setLanguageIndex(2));
    EXPECT_EQ(accessibleName(editor.control(kText1_2)), captions.entry(2, 5));
}

}  // namespace
