#include "support/startup_stamps.h"

#include <cstdio>

#include "support/process_clock.h"

namespace orvane::bench {

void StartupStamps::mark(std::string_view stage) {
    stamps_.emplace_back(stage, monotonicNanoseconds());
}

void StartupStamps::print() const {
    for (const auto& [stage, nanoseconds] : stamps_) {
        std::printf("stage %.*s %lld\n", static_cast<int>(stage.size()), stage.data(),
                    static_cast<long long>(nanoseconds));
    }
    std::printf("peak_kib %ld\n", peakResidentKiB());
    std::fflush(stdout);
}

}  // namespace orvane::bench
