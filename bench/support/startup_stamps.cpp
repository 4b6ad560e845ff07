#include "support/startup_stamps.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <functional>

#include "support/process_clock.h"

namespace orvane::bench {
namespace {

// Watches every event of the application for one window: when it is first shown and first
// painted.
class WindowWatcher final : public QObject {
  public:
    using IsWindow = std::function<bool(const QObject*)>;

    WindowWatcher(IsWindow isWindow, std::function<void()> shown, std::function<void()> painted)
        : QObject(QCoreApplication::instance()),
          isWindow_(std::move(isWindow)),
          shown_(std::move(shown)),
          painted_(std::move(painted)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !seenShown_ && isWindow_(watched)) {
            seenShown_ = true;
            shown_();
        } else if (event->type() == QEvent::Paint && !seenPainted_ && isWindow_(watched)) {
            seenPainted_ = true;
            // The window paints its children and flushes within the event that started the
            // paint; a queued call runs only once all of that is done.
            QMetaObject::invokeMethod(this, painted_, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    IsWindow isWindow_;
    std::function<void()> shown_;
    std::function<void()> painted_;
    bool seenShown_ = false;
    bool seenPainted_ = false;
};

}  // namespace

void StartupStamps::mark(std::string_view stage) {
    stamps_.emplace_back(stage, monotonicNanoseconds());
}

void StartupStamps::printWhenPainted(QWidget& window) {
    watch([&window](const QObject* object) { return object == &window; }, false);
}

void StartupStamps::printWhenPainted(const QString& windowName) {
    watch(
        [windowName](const QObject* object) {
            return object->isWidgetType() && object->objectName() == windowName &&
                   static_cast<const QWidget*>(object)->isWindow();
        },
        true);
}

void StartupStamps::watch(std::function<bool(const QObject*)> isWindow, bool markShown) {
    QCoreApplication::instance()->installEventFilter(new WindowWatcher(
        std::move(isWindow),
        [this, markShown] {
            if (markShown) {
                mark("shown");
            }
        },
        [this] {
            mark("painted");
            print();
            printed_ = true;
            // Ends every event loop, also that of a box open over the window. quit() would close
            // the window, which the editor asks about.
            QCoreApplication::exit(0);
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
