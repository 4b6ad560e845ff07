// The editor's own start-up with stamps: the same steps as the program's main, then prints when it
// reached each stage and the memory peak once the window has been painted, and quits.

#include "app/start_up.h"
#include "platform/qt/qt_window.h"
#include "platform/toolkit.h"
#include "support/startup_stamps.h"

int main(int argc, char** argv) {
    orvane::bench::StartupStamps stamps;
    stamps.mark("main");
    const auto desktop = orvane::platform::startDesktop(argc, argv);
    stamps.mark("application");
    const orvane::platform::Services services = desktop->services();
    const auto form = orvane::Main(services);
    stamps.mark("shown");
    stamps.printWhenPainted(*static_cast<orvane::platform::qt::QtWindow&>(form->window()).widget());
    return services.toolkit.run();
}
