#include "platform/code_page.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform {

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
