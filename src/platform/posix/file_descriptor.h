#pragma once

#include <utility>

namespace orvane::platform::posix {

// An open file or folder, closed through the system call table when it goes out of scope.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return descriptor_; }
    explicit operator bool() const { return descriptor_ >= 0; }

    // Closes it now: 0, or the error number of a failed close (after which it is closed too, as
    // Linux always closes).
    int close();

  private:
    int descriptor_ = -1;
};

}  // namespace orvane::platform::posix
