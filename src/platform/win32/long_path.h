#pragma once

#include <string>
#include <string_view>

namespace orvane::platform::win32 {

// `path` as the file functions take it at any length, beyond MAX_PATH too: made a full path and
// given the "\\?\" prefix ("\\?\UNC\" for a network path). A path that already has a prefix, and a
// device the system names itself ("NUL" becomes "\\.\NUL"), stays without one.
std::wstring longPath(std::u16string_view path);

// A path that longPath() made, as the user writes it: without the prefix.
std::u16string userPath(std::wstring_view path);

}  // namespace orvane::platform::win32
