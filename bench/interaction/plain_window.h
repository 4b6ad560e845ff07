#pragma once

#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

namespace orvane::bench {

// The baseline for the editor's controls: a window of the editor's size and font with a plain Qt
// scroll bar and line edit where the editor has its low alarm bar and job description, and no
// handlers. Shown and painted once it exists.
class PlainWindow {
  public:
    PlainWindow();

    QWidget& window() { return window_; }
    QScrollBar& bar() { return *bar_; }
    QLineEdit& field() { return *field_; }

  private:
    QWidget window_;
    QScrollBar* bar_;
    QLineEdit* field_;
};

}  // namespace orvane::bench
