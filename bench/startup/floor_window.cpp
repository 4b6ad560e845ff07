// The floors under the editor's start-up: a window of the editor's size and font, on Qt set up as
// the editor sets it up, that is empty, shows one line of text, or holds the editor's sixteen
// controls as stock Qt widgets with no logic. With --print-painted it prints when it has been
// painted and quits (paint_probe.h); without, it runs until it is closed.
//
//   floor_window empty|text|controls [--print-painted]

#include <QApplication>
#include <QLabel>
#include <cstdio>
#include <string_view>

#include "platform/qt/look.h"
#include "support/paint_probe.h"
#include "support/stock_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    orvane::platform::qt::setUpLook();
    const std::string_view kind = argc > 1 ? argv[1] : "";
    if (kind != "empty" && kind != "text" && kind != "controls") {
        std::fprintf(stderr, "usage: floor_window empty|text|controls [--print-painted]\n");
        return 2;
    }
    const auto window = kind == "controls" ? orvane::bench::stockControlsWindow()
                                           : orvane::bench::editorSizedWindow();
    if (kind == "text") {
        auto* label = new QLabel(QStringLiteral("High pressure alarm (80Pa)"), window.get());
        label->move(16, 16);
    }
    window->show();
    if (argc > 2 && std::string_view(argv[2]) == "--print-painted") {
        orvane::bench::printWhenPainted(
            [&window](const QObject* object) { return object == window.get(); });
    }
    return QApplication::exec();
}
