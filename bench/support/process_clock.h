#pragma once

#include <cstdint>

namespace orvane::bench {

// Nanoseconds on the system-wide monotonic clock, so that stamps taken in different processes
// compare: the start-up driver reads it before it starts a program, the program once painted.
std::int64_t monotonicNanoseconds();

// A process's peak resident memory so far (VmHWM), in KiB; by default this process's. -1 when it
// cannot be read.
long peakResidentKiB(int pid = 0);

}  // namespace orvane::bench
