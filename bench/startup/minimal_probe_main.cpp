// The baseline program with stamps: prints when it reached each stage and the memory peak once
// its window has been painted, then quits.

#include <QApplication>

#include "startup/minimal_window.h"
#include "support/first_paint.h"
#include "support/startup_stamps.h"

int main(int argc, char** argv) {
    orvane::bench::StartupStamps stamps;
    stamps.mark("main");
    QApplication application(argc, argv);
    stamps.mark("application");
    const auto window = orvane::bench::showMinimalWindow();
    stamps.mark("shown");
    orvane::bench::onFirstPaint(*window, [&stamps] {
        stamps.mark("painted");
        stamps.print();
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
