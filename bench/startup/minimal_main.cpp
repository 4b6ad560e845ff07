// The smallest Qt Widgets program that shows a window like the editor's: the start-up baseline.

#include <QApplication>

#include "startup/minimal_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto window = orvane::bench::showMinimalWindow();
    return QApplication::exec();
}
