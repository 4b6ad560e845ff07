#include "platform/temporary_name.h"

#include <atomic>

namespace orvane::platform {

std::string temporaryNameSuffix(std::uint64_t processId) {
    static std::atomic<unsigned> made{0};
    return "." + std::to_string(processId) + "-" + std::to_string(made++) + ".tmp";
}

}  // namespace orvane::platform
