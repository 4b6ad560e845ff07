#pragma once

#include <QWidget>

#include "platform/shared/event_gate.h"

class QSessionManager;

namespace orvane::platform::qt {

// The top-level window: fixed size, a close button and no minimise or maximise button. Every
// request to close it (close button, Alt+F4, window menu, window manager, end of the desktop
// session) goes to the program first.
class FormWidget final : public QWidget {
  public:
    explicit FormWidget(EventGate& events);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void sessionEnding(QSessionManager& manager);

    EventGate& events_;
    bool agreedToClose_ = false;
};

}  // namespace orvane::platform::qt
