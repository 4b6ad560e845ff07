#pragma once

#include <QWidget>

#include "platform/form_events.h"

class QSessionManager;

namespace orvane::platform::qt {

// The top-level window: fixed size, a close button and no minimise or maximise button. Every
// request to close it (close button, Alt+F4, window menu, window manager, end of the desktop
// session) goes to the program first.
class FormWidget final : public QWidget {
  public:
    explicit FormWidget(FormEvents& events);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Asks the program; true when the window is to stay open.
    bool askToStayOpen();
    void sessionEnding(QSessionManager& manager);

    FormEvents& events_;
    bool asking_ = false;
    bool agreedToClose_ = false;
};

}  // namespace orvane::platform::qt
