#pragma once

#include <QWidget>

#include "platform/form_events.h"

namespace orvane::platform::qt {

// The top-level window: fixed size, a close button and no minimise or maximise button. Every
// request to close it goes to the program first.
class FormWidget final : public QWidget {
  public:
    explicit FormWidget(FormEvents& events);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    FormEvents& events_;
    bool asking_ = false;
};

}  // namespace orvane::platform::qt
