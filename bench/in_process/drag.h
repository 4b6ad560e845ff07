#pragma once

#include <QPoint>
#include <QScrollBar>
#include <memory>
#include <vector>

#include "in_process/editor_session.h"

namespace orvane::bench {

// A window whose low alarm's bar is dragged from 0 up, both alarms starting at 0: the editor,
// where each step pushes the high alarm along (both bars' rules, two relabellings); or its
// controls as stock Qt widgets, where the bar moves alone (plain) or the step also makes the change
// the editor shows with no rules: the high bar pushed along and both alarm frames retitled.
class DragTarget {
  public:
    enum class Kind { Editor, Plain, SameChange };
    explicit DragTarget(Kind kind);
    ~DragTarget();

    QWidget& window() const;
    QScrollBar& bar() const { return *low_; }
    void resetAlarms();
    // Whether the high alarm's bar followed the low one up to `low`, where it should.
    bool followed(int low) const { return kind_ == Kind::Plain || high_->value() >= low; }
    Form1& form() { return editor_->form(); }
    std::u16string folder() const { return editor_->folder(); }

  private:
    Kind kind_;
    std::unique_ptr<EditorSession> editor_;
    std::unique_ptr<QWidget> stock_;
    QScrollBar* low_ = nullptr;
    QScrollBar* high_ = nullptr;
};

// Drags a horizontal scroll bar's thumb with the mouse as a user does: pressed at the thumb's
// centre while the bar is at its minimum, then moved to where each value is reached.
class ThumbDrag {
  public:
    // Finds where each value is reached by moving the pressed thumb one pixel at a time across
    // the bar. Leaves the thumb released and the bar back at its minimum.
    explicit ThumbDrag(QScrollBar& bar);

    void press();  // the bar is at its minimum
    void moveTo(int value);
    void release();

  private:
    QScrollBar& bar_;
    QPoint start_;
    std::vector<int> xForValue_;  // by value - minimum
    QPoint last_;
};

}  // namespace orvane::bench
