// The editor's own start-up, the same steps as the program's main, that prints when its window
// has been painted and quits (paint_probe.h).

#include <QWidget>

#include "app/start_up.h"
#include "platform/toolkit.h"
#include "support/paint_probe.h"

int main(int argc, char** argv) {
    const auto desktop = orvane::platform::startDesktop(argc, argv);
    const orvane::platform::Services services = desktop->services();
    // Watched before Main: for a file that could not be read whole, Main opens a box over the
    // shown window and returns only when that box has ended.
    orvane::bench::printWhenPainted([](const QObject* object) {
        return object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow() &&
               object->objectName() == QStringLiteral("Form1");
    });
    const auto form = orvane::Main(services);
    return orvane::bench::paintPrinted() ? 0 : services.toolkit.run();
}
