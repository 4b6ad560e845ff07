#pragma once

#include <QPoint>
#include <QScrollBar>
#include <QWidget>
#include <vector>

namespace orvane::bench {

// Drags a horizontal scroll bar's thumb with the mouse as a user does: pressed at the thumb's
// centre while the bar is at its minimum, then moved to where each value is reached.
class ThumbDrag {
  public:
    // Finds where each value is reached by moving the pressed thumb one pixel at a time across
    // the bar, which runs the bar's handlers as a real drag does. Leaves the thumb released and
    // the bar back at its minimum.
    explicit ThumbDrag(QScrollBar& bar);

    void press();  // the bar is at its minimum
    void moveTo(int value);
    void release();

    // Drags from the minimum to the maximum and back, one reported position per value, painting
    // `window` after each; returns the number of positions.
    int acrossAndBack(QWidget& window);

  private:
    QScrollBar& bar_;
    QPoint start_;
    std::vector<int> xForValue_;  // by value - minimum
    QPoint last_;
};

}  // namespace orvane::bench
