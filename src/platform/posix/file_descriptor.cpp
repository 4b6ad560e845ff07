#include "platform/posix/file_descriptor.h"

#include <cerrno>

#include "platform/posix/system_calls.h"

namespace orvane::platform::posix {

FileDescriptor::~FileDescriptor() {
    close();
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        close();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

int FileDescriptor::close() {
    if (descriptor_ < 0) {
        return 0;
    }
    const int result = systemCalls().close(std::exchange(descriptor_, -1));
    return result == 0 ? 0 : errno;
}

}  // namespace orvane::platform::posix
