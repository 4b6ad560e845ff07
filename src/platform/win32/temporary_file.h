#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// A file just made, or why it could not be.
struct CreatedFile {
    std::wstring path;
    HANDLE handle = INVALID_HANDLE_VALUE;  // open for writing, shared with no one
    DWORD error = ERROR_SUCCESS;           // why no file was made
};

// A new, empty file in the same folder as `target`, under a short name of its own
// (replace_rules.h). CREATE_NEW never opens an entry that exists, so nothing of another program's
// is ever taken over. `target` is a full path, as longPath() makes it.
CreatedFile createFileBeside(const std::wstring& target);

// A file the program made for itself, deleted when it goes out of scope unless it was kept.
class OwnFile {
  public:
    explicit OwnFile(std::wstring path) : path_(std::move(path)) {}
    ~OwnFile();
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;

    const std::wstring& path() const { return path_; }
    void keep() { kept_ = true; }

  private:
    std::wstring path_;
    bool kept_ = false;
};

}  // namespace orvane::platform::win32
