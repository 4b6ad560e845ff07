#include "platform/win32/long_path.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";
constexpr std::wstring_view kNetworkPrefix = L"\\\\";

bool hasPrefix(std::wstring_view path) {
    return path.starts_with(kLongPrefix) || path.starts_with(kDevicePrefix);
}

// The full path, with "." and ".." taken out and "/" made "\", which the prefix would not do.
std::wstring fullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return path;
    }
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        return path;
    }
    full.resize(length);
    return full;
}

}  // namespace

std::wstring longPath(std::u16string_view path) {
    std::wstring name = toWide(path);
    if (name.empty() || hasPrefix(name)) {
        return name;
    }
    name = fullPath(name);
    if (hasPrefix(name)) {
        return name;
    }
    if (name.starts_with(kNetworkPrefix)) {
        return std::wstring(kLongPrefix) + L"UNC\\" + name.substr(kNetworkPrefix.size());
    }
    if (name.size() >= 2 && name[1] == L':') {
        return std::wstring(kLongPrefix) + name;
    }
    return name;
}

std::u16string userPath(std::wstring_view path) {
    constexpr std::wstring_view kLongNetworkPrefix = L"\\\\?\\UNC\\";
    if (path.starts_with(kLongNetworkPrefix)) {
        return fromWide(std::wstring(kNetworkPrefix) +
                        std::wstring(path.substr(kLongNetworkPrefix.size())));
    }
    if (path.starts_with(kLongPrefix)) {
        path.remove_prefix(kLongPrefix.size());
    }
    return fromWide(path);
}

}  // namespace orvane::platform::win32
