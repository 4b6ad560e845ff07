#include "platform/posix/system_error.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/posix/path_bytes.h"
#include "platform/shared/paths.h"

namespace orvane::platform::posix {
namespace {

FileProblem problemOf(int error) {
    switch (error) {
        case EROFS:
            return FileProblem::WriteProtected;
        case ENOSPC:
        case EDQUOT:
            return FileProblem::MediumFull;
        case EACCES:
        case EPERM:
            return FileProblem::NoPermission;
        case ENOMEDIUM:
        case ENODEV:
        case ENXIO:
            return FileProblem::MediumGone;
        case EEXIST:
            return FileProblem::NameTaken;
        case EIO:
            return FileProblem::InputOutput;
        default:
            return FileProblem::Described;
    }
}

}  // namespace

FileError systemError(int error) {
    if (const FileProblem problem = problemOf(error); problem != FileProblem::Described) {
        return {problem, {}};
    }
    std::array<char, 256> buffer{};
    // The GNU strerror_r: it returns the words, which may or may not be in the buffer.
    const char* const words = strerror_r(error, buffer.data(), buffer.size());
    // The locale's texts are UTF-8; anything else shows as the replacement mark.
    return describedError(displayPath(decodePath(words)));
}

}  // namespace orvane::platform::posix
