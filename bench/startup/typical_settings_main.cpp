// Prints the typical SETTINGS.TXT the benchmarks use, for runs of the editor that the start-up
// driver does not prepare (under callgrind).

#include <cstdio>

#include "support/typical_settings.h"

int main() {
    const std::string_view settings = orvane::bench::kTypicalSettings;
    return std::fwrite(settings.data(), 1, settings.size(), stdout) == settings.size() ? 0 : 1;
}
