#pragma once

namespace orvane::bench {

// Runs the Google Benchmark cases of the program under a QApplication, on the offscreen platform
// unless QT_QPA_PLATFORM names another.
int runBenchmarks(int argc, char** argv);

}  // namespace orvane::bench
