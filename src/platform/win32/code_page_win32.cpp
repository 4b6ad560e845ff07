#include "platform/code_page.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform {
namespace {

// The system's ANSI code page, or Windows-1252 where that is UTF-8 (a system-wide UTF-8 setting),
// which is no 8-bit code page and would change the settings file's bytes.
UINT settingsCodePage() {
    constexpr UINT kWesternEuropean = 1252;
    const UINT system = GetACP();
    return system == CP_UTF8 ? kWesternEuropean : CP_ACP;
}

}  // namespace

std::u16string decodeCodePage(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const UINT codePage = settingsCodePage();
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
    return {text.begin(), text.end()};
}

std::optional<std::string> encodeCodePage(std::u16string_view text) {
    if (text.empty()) {
        return std::string();
    }
    const std::wstring wide(text.begin(), text.end());
    const UINT codePage = settingsCodePage();
    const int size = static_cast<int>(wide.size());
    // No best fit: a character the code page lacks must not turn into a look-alike such as "L"
    // for "Ł"; the default character marks it instead, and then nothing is returned.
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                           nullptr, 0, nullptr, &usedDefault);
    if (length == 0 || usedDefault) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length,
                        nullptr, &usedDefault);
    if (usedDefault) {
        return std::nullopt;
    }
    return bytes;
}

bool codePageHolds(std::u16string_view text) {
    return encodeCodePage(text).has_value();
}

std::u16string decodeUtf8(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, text.data(), length);
    return {text.begin(), text.end()};
}

}  // namespace orvane::platform
