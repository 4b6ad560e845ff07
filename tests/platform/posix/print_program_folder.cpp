// Prints the folder this program finds itself in, as the system's bytes (for test_program_folder).

#include <cstdio>

#include "platform/file_access.h"
#include "platform/posix/path_bytes.h"

int main() {
    const auto folder = orvane::platform::programFolder();
    if (!folder) {
        return 1;
    }
    const auto bytes = orvane::platform::posix::encodePath(*folder);
    if (!bytes) {
        return 2;
    }
    return std::fwrite(bytes->data(), 1, bytes->size(), stdout) == bytes->size() ? 0 : 3;
}
