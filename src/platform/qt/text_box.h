#pragma once

#include <QLineEdit>

#include "platform/form_events.h"

namespace orvane::platform::qt {

class InsertionGuard;

// A single-line text box whose character keystrokes and inserted text are put to the program's
// rules before they reach the field.
class TextBox final : public QLineEdit {
  public:
    TextBox(ControlId id, FormEvents& events, QWidget* parent);

    // Text set by the program goes in as it is, without the rules.
    void setProgramText(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    ControlId id_;
    FormEvents& events_;
    InsertionGuard* guard_;  // owned by the field
};

// The character code a keystroke gives to a text box on Windows, 0 for keys that only move or
// delete (arrows, Home, End, Delete...). Ctrl+letter gives its control code, so Ctrl+C is 3.
int characterCode(const QKeyEvent& event);

}  // namespace orvane::platform::qt
