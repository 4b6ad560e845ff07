// The baseline program with stamps: prints when it reached each stage and the memory peak once
// its window has been painted, then quits. Built twice: without text, and with one line of text
// (MINIMAL_WINDOW_WITH_TEXT).

#include <QApplication>

#include "startup/minimal_window.h"
#include "support/first_paint.h"
#include "support/startup_stamps.h"

int main(int argc, char** argv) {
    orvane::bench::StartupStamps stamps;
    stamps.mark("main");
    QApplication application(argc, argv);
    stamps.mark("application");
#ifdef MINIMAL_WINDOW_WITH_TEXT
    const auto window = orvane::bench::showMinimalWindowWithText();
#else
    const auto window = orvane::bench::showMinimalWindow();
#endif
    stamps.mark("shown");
    orvane::bench::onFirstPaint(*window, [&stamps] {
        stamps.mark("painted");
        stamps.print();
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
