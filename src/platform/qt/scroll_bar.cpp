#include "platform/qt/scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>

namespace orvane::platform::qt {

ScrollBar::ScrollBar(ControlId id, const ScrollRange& range, FormEvents& events, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent) {
    setRange(range.min, range.max);
    setSingleStep(range.smallChange);
    setPageStep(range.largeChange);
    setValue(range.initial);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::valueChanged, this,
            [this, &events, id] { tell(events, id, reporter_.newValue()); });
    connect(this, &QAbstractSlider::sliderPressed, this,
            [this] { reporter_.thumbPressed(value()); });
    connect(this, &QAbstractSlider::sliderReleased, this,
            [this, &events, id] { tell(events, id, reporter_.thumbReleased(value())); });
}

void ScrollBar::setProgramValue(int value) {
    const QSignalBlocker blocker(this);
    setValue(value);
}

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    SliderAction action = SliderNoAction;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = SliderSingleStepSub;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_Home:
            action = SliderToMinimum;
            break;
        case Qt::Key_End:
            action = SliderToMaximum;
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
    }
    triggerAction(action);
    event->accept();
}

// The style draws no focus on a scroll bar; a dotted frame round the thumb shows where keys go.
void ScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStyleOptionSlider slider;
    initStyleOption(&slider);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect =
        style()
            ->subControlRect(QStyle::CC_ScrollBar, &slider, QStyle::SC_ScrollBarSlider, this)
            .adjusted(2, 2, -2, -2);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

}  // namespace orvane::platform::qt
