// The floors under the editor's start-up: a window of the editor's size and font, set up as the
// editor sets up Qt, that is empty, shows one line of text, or holds the editor's sixteen
// controls as stock Qt widgets with no logic.
//
//   floor_window empty|text|controls [--stamps]
//
// With --stamps it prints its start-up stamps once the window is painted and quits; without, it
// runs until it is closed.

#include <QApplication>
#include <QLabel>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "support/startup_stamps.h"
#include "support/stock_window.h"

namespace {

std::unique_ptr<QWidget> makeWindow(std::string_view kind) {
    using namespace orvane::bench;
    if (kind == "controls") {
        return stockControlsWindow();
    }
    auto window = editorSizedWindow();
    if (kind == "text") {
        auto* label = new QLabel(QStringLiteral("High pressure alarm (80Pa)"), window.get());
        label->move(16, 16);
    } else if (kind != "empty") {
        return nullptr;
    }
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    orvane::bench::StartupStamps stamps;
    stamps.mark("main");
    QApplication application(argc, argv);
    orvane::bench::setUpLikeEditor();
    stamps.mark("application");
    const auto window = makeWindow(argc > 1 ? argv[1] : "");
    if (!window) {
        std::fprintf(stderr, "usage: floor_window empty|text|controls [--stamps]\n");
        return 2;
    }
    window->show();
    stamps.mark("shown");
    if (argc > 2 && std::strcmp(argv[2], "--stamps") == 0) {
        stamps.printWhenPainted(*window);
    }
    return QApplication::exec();
}
