#pragma once

#include <cstdint>

namespace orvane::bench {

// Nanoseconds on the system-wide monotonic clock, so that stamps taken in different processes
// compare: the start-up driver reads it before it starts a probe, the probe when it has painted.
std::int64_t monotonicNanoseconds();

// The process's peak resident memory so far (VmHWM), in KiB.
long peakResidentKiB();

}  // namespace orvane::bench
