// The editor's own start-up with stamps: the same steps as the program's main, then prints when it
// reached each stage and the memory peak once the window has been painted, and quits.

#include <QString>

#include "app/start_up.h"
#include "platform/toolkit.h"
#include "support/startup_stamps.h"

int main(int argc, char** argv) {
    orvane::bench::StartupStamps stamps;
    stamps.mark("main");
    const auto desktop = orvane::platform::startDesktop(argc, argv);
    stamps.mark("application");
    const orvane::platform::Services services = desktop->services();
    // Watched before Main: for a file that could not be read whole, Main opens a box over the
    // shown window and returns only when that box has ended.
    stamps.printWhenPainted(QStringLiteral("Form1"));
    const auto form = orvane::Main(services);
    if (stamps.printed()) {
        return 0;  // painted while the box was open, whose event loop has ended
    }
    return services.toolkit.run();
}
