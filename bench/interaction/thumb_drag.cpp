#include "interaction/thumb_drag.h"

#include "support/editor_session.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <stdexcept>

namespace orvane::bench {
namespace {

QPoint thumbCentre(const QScrollBar& bar) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.state |= QStyle::State_Horizontal;
    return bar.style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar)
        .center();
}

}  // namespace

ThumbDrag::ThumbDrag(QScrollBar& bar) : bar_(bar) {
    if (bar.value() != bar.minimum()) {
        throw std::logic_error("the thumb drag starts at the bar's minimum");
    }
    start_ = thumbCentre(bar);
    xForValue_.assign(static_cast<std::size_t>(bar.maximum() - bar.minimum() + 1), -1);
    xForValue_[0] = start_.x();
    press();
    for (QPoint point = start_; bar.value() < bar.maximum() && point.x() < bar.width();) {
        point.rx() += 1;
        QTest::mouseMove(&bar_, point);
        int& x = xForValue_[static_cast<std::size_t>(bar.value() - bar.minimum())];
        if (x < 0) {
            x = point.x();
        }
    }
    release();
    for (const int x : xForValue_) {
        if (x < 0) {
            throw std::runtime_error("a value of the bar cannot be reached by dragging");
        }
    }
    bar.setValue(bar.minimum());
}

void ThumbDrag::press() {
    last_ = start_;
    QTest::mousePress(&bar_, Qt::LeftButton, {}, start_);
}

void ThumbDrag::moveTo(int value) {
    last_ = {xForValue_[static_cast<std::size_t>(value - bar_.minimum())], start_.y()};
    QTest::mouseMove(&bar_, last_);
}

void ThumbDrag::release() {
    QTest::mouseRelease(&bar_, Qt::LeftButton, {}, last_);
}

int ThumbDrag::acrossAndBack(QWidget& window) {
    const int minimum = bar_.minimum();
    const int maximum = bar_.maximum();
    press();
    for (int value = minimum + 1; value <= maximum; ++value) {
        moveTo(value);
        paintPendingUpdates(window);
    }
    for (int value = maximum - 1; value >= minimum; --value) {
        moveTo(value);
        paintPendingUpdates(window);
    }
    release();
    return 2 * (maximum - minimum);
}

}  // namespace orvane::bench
