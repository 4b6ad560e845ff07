#include "platform/win32/file_calls.h"

namespace orvane::platform::win32 {
namespace {

FileCalls& calls() {
    static FileCalls inUse;
    return inUse;
}

}  // namespace

const FileCalls& fileCalls() {
    return calls();
}

ScopedFileCalls::ScopedFileCalls(const FileCalls& replacements) : previous_(calls()) {
    calls() = replacements;
}

ScopedFileCalls::~ScopedFileCalls() {
    calls() = previous_;
}

}  // namespace orvane::platform::win32
