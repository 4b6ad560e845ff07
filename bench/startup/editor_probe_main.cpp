// The editor's own start-up with stamps: the same steps as the program's main, then prints when it
// reached each stage and the memory peak once the window has been painted, and quits.

#include <QApplication>

#include "app/start_up.h"
#include "platform/qt/qt_window.h"
#include "platform/toolkit.h"
#include "support/first_paint.h"
#include "support/startup_stamps.h"

int main(int argc, char** argv) {
    orvane::bench::StartupStamps stamps;
    stamps.mark("main");
    const auto desktop = orvane::platform::startDesktop(argc, argv);
    stamps.mark("application");
    const orvane::platform::Services services = desktop->services();
    const auto form = orvane::Main(services);
    stamps.mark("shown");
    QWidget* window = static_cast<orvane::platform::qt::QtWindow&>(form->window()).widget();
    orvane::bench::onFirstPaint(*window, [&stamps] {
        stamps.mark("painted");
        stamps.print();
        QCoreApplication::exit(0);  // quit() would close the window, which asks first
    });
    return services.toolkit.run();
}
