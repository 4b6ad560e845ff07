#include "support/startup_stamps.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <functional>

#include "support/process_clock.h"

namespace orvane::bench {
namespace {

class FirstPaintWatcher final : public QObject {
  public:
    FirstPaintWatcher(QWidget& window, std::function<void()> painted)
        : QObject(&window), painted_(std::move(painted)) {}

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The window paints its children and flushes within the event that started the paint;
            // a queued call runs only once all of that is done.
            QMetaObject::invokeMethod(this, painted_, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> painted_;
    bool seen_ = false;
};

}  // namespace

void StartupStamps::mark(std::string_view stage) {
    stamps_.emplace_back(stage, monotonicNanoseconds());
}

void StartupStamps::printWhenPainted(QWidget& window) {
    window.installEventFilter(new FirstPaintWatcher(window, [this] {
        mark("painted");
        print();
        QCoreApplication::exit(0);  // quit() would close the window, which the editor asks about
    }));
}

void StartupStamps::print() const {
    for (const auto& [stage, nanoseconds] : stamps_) {
        std::printf("stage %.*s %lld\n", static_cast<int>(stage.size()), stage.data(),
                    static_cast<long long>(nanoseconds));
    }
    std::printf("peak_kib %ld\n", peakResidentKiB());
    std::fflush(stdout);
}

}  // namespace orvane::bench
