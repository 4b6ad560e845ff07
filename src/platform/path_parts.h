#pragma once

#include <string>
#include <string_view>

namespace orvane::platform::win32 {

// The folder that holds `path`: everything before its last separator ("\" or "/"), keeping the
// separator of a drive root ("C:\"). Empty when the path names no folder.
std::u16string parentFolder(std::u16string_view path);

}  // namespace orvane::platform::win32
