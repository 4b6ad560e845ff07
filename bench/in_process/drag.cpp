#include "in_process/drag.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <stdexcept>

#include "support/stock_window.h"
#include "support/typical_settings.h"

namespace orvane::bench {
namespace {

template <typename Widget>
Widget& child(QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        throw std::runtime_error(name);
    }
    return *widget;
}

}  // namespace

DragTarget::DragTarget(Kind kind) : kind_(kind) {
    if (kind == Kind::Editor) {
        editor_ = std::make_unique<EditorSession>(kTypicalSettings);
    } else {
        stock_ = stockControlsWindow();
    }
    low_ = &child<QScrollBar>(window(), "HScroll2");
    high_ = &child<QScrollBar>(window(), "HScroll1");
    if (kind == Kind::SameChange) {
        auto& highFrame = child<QGroupBox>(window(), "Frame(1)");
        auto& lowFrame = child<QGroupBox>(window(), "Frame(2)");
        QObject::connect(
            low_, &QScrollBar::valueChanged, low_, [this, &highFrame, &lowFrame](int low) {
                if (high_->value() < low) {
                    high_->setValue(low);
                    highFrame.setTitle(QStringLiteral("High pressure alarm (%1Pa)").arg(low));
                }
                lowFrame.setTitle(QStringLiteral("Low pressure alarm (%1Pa)").arg(low));
            });
    }
    if (stock_) {
        stock_->show();
        waitUntilPainted(*stock_);
    }
    resetAlarms();
}

DragTarget::~DragTarget() = default;

QWidget& DragTarget::window() const {
    return stock_ ? *stock_ : editor_->window();
}

void DragTarget::resetAlarms() {
    if (editor_) {
        editor_->form().setHighAlarm(0);  // pushes the low alarm down with it
    } else {
        high_->setValue(0);
        low_->setValue(0);
    }
    paintPendingUpdates(window());
}

ThumbDrag::ThumbDrag(QScrollBar& bar) : bar_(bar) {
    if (bar.value() != bar.minimum()) {
        throw std::logic_error("the thumb drag starts at the bar's minimum");
    }
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.pageStep = bar.pageStep();
    option.state |= QStyle::State_Horizontal;
    start_ = bar.style()
                 ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar)
                 .center();
    xForValue_.assign(static_cast<std::size_t>(bar.maximum() - bar.minimum() + 1), -1);
    xForValue_[0] = start_.x();
    press();
    for (QPoint point = start_; bar.value() < bar.maximum() && point.x() < bar.width();) {
        point.rx() += 1;
        QTest::mouseMove(&bar_, point);
        int& x = xForValue_[static_cast<std::size_t>(bar.value() - bar.minimum())];
        x = x < 0 ? point.x() : x;
    }
    release();
    if (std::find(xForValue_.begin(), xForValue_.end(), -1) != xForValue_.end()) {
        throw std::runtime_error("a value of the bar cannot be reached by dragging");
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

}  // namespace orvane::bench
