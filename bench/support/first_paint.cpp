#include "support/first_paint.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

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

void onFirstPaint(QWidget& window, std::function<void()> painted) {
    window.installEventFilter(new FirstPaintWatcher(window, std::move(painted)));
}

}  // namespace orvane::bench
