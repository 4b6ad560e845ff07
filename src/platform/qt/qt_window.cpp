#include "platform/qt/qt_window.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "platform/qt/combo_box.h"
#include "platform/qt/form_widget.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/scroll_bar.h"
#include "platform/qt/text_box.h"
#include "platform/shared/form_layout.h"
#include "platform/shared/picture_rendering.h"
#include "platform/shared/twips.h"

namespace orvane::platform::qt {
namespace {

// Qt's device-independent pixel is the pixel at 96 DPI, so 15 twips make one at every scale.
int pixels(int twips) {
    return pixelsFromTwips(twips, kStandardDpi);
}

int pixels(float twips) {
    return pixelsFromTwips(twips, kStandardDpi);
}

float twips(int pixels) {
    return twipsFromPixels(pixels, kStandardDpi);
}

QRect pixelRect(const TwipRect& rect) {
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

QString objectName(const ControlDesign& control) {
    QString name =
        QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
    if (control.index >= 0) {
        name += QStringLiteral("(%1)").arg(control.index);
    }
    return name;
}

QFont designFont(const FontDesign& design) {
    QFont font(toQString(design.family));
    font.setPointSizeF(design.pointSize);
    font.setWeight(static_cast<QFont::Weight>(design.weight));
    return font;
}

// Qt tells assistive technology of every call as a change, also when the text stays the same; the
// window relabels all its controls on every alarm step, mostly with the texts they already have.
void setAccessibleTexts(QWidget& widget, const QString& name, const QString& description) {
    if (widget.accessibleName() != name) {
        widget.setAccessibleName(name);
    }
    if (widget.accessibleDescription() != description) {
        widget.setAccessibleDescription(description);
    }
}

template <typename Control>
Control* as(const std::vector<QWidget*>& controls, ControlId id) {
    return static_cast<Control*>(controls.at(static_cast<std::size_t>(id)));
}

}  // namespace

QtWindow::QtWindow(const FormDesign& design, FormEvents& events)
    : design_(design), events_(events), form_(std::make_unique<FormWidget>(events_)) {
    form_->setObjectName(QStringLiteral("Form1"));
    form_->setWindowTitle(toQString(design.caption));
    form_->setWindowIcon(pictureIcon(design.icon));
    form_->setFont(designFont(design.font));
    form_->setFixedSize(pixels(design.clientWidth), pixels(design.clientHeight));
    createControls(design);
    stackControls(design);
    chainTabOrder(design);
}

QtWindow::~QtWindow() {
    events_.close();
}

QWidget* QtWindow::widget() const {
    return form_.get();
}

QWidget* QtWindow::createControl(const ControlDesign& control, ControlId id, QWidget* parent) {
    FormEvents& events = events_;
    switch (control.kind) {
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(toQString(control.text), parent);
            frame->setFocusPolicy(Qt::NoFocus);
            return frame;
        }
        case ControlKind::ComboBox: {
            auto* combo = new ComboBox(id, events, parent);
            combo->setProgramText(toQString(control.text));
            return combo;
        }
        case ControlKind::PictureButton: {
            auto* button = new QPushButton(parent);
            button->setIcon(pictureIcon(control.picture));
            button->setIconSize(QSize(kButtonPictureSize, kButtonPictureSize));
            button->setToolTip(toQString(control.toolTip));
            button->setAutoDefault(true);  // Enter presses the focused button
            QObject::connect(button, &QPushButton::clicked, button,
                             [&events, id] { events.click(id); });
            return button;
        }
        case ControlKind::HScrollBar:
            return new ScrollBar(id, control.scroll, events, parent);
        case ControlKind::TextBox: {
            auto* box = new TextBox(id, events, parent);
            if (control.maxLength > 0) {
                box->setMaxLength(control.maxLength);
            }
            box->setProgramText(toQString(control.text));
            return box;
        }
    }
    return nullptr;
}

void QtWindow::createControls(const FormDesign& design) {
    controls_.reserve(design.controls.size());
    for (std::size_t id = 0; id < design.controls.size(); ++id) {
        const ControlDesign& control = design.controls[id];
        QWidget* parent = control.container == kNoControl
                              ? form_.get()
                              : controls_.at(static_cast<std::size_t>(control.container));
        QWidget* widget = createControl(control, static_cast<ControlId>(id), parent);
        widget->setObjectName(objectName(control));
        widget->setGeometry(pixelRect(control.rect));
        controls_.push_back(widget);
    }
}

// Later siblings are drawn over earlier ones: raise from the back to the front. A control inside a
// frame is its child, so raising it orders it among the frame's other children only.
void QtWindow::stackControls(const FormDesign& design) {
    const std::vector<ControlId> frontToBack = stackingOrder(design);
    std::for_each(frontToBack.rbegin(), frontToBack.rend(), [this](ControlId control) {
        controls_[static_cast<std::size_t>(control)]->raise();
    });
}

void QtWindow::chainTabOrder(const FormDesign& design) {
    const std::vector<ControlId> order = tabOrder(design);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(controls_[static_cast<std::size_t>(order[i - 1])],
                             controls_[static_cast<std::size_t>(order[i])]);
    }
    if (!order.empty()) {
        controls_[static_cast<std::size_t>(order.front())]->setFocus();
    }
}

void QtWindow::setCaption(std::u16string_view caption) {
    form_->setWindowTitle(toQString(caption));
}

// The frame is known once the native window exists; on X11 only after the window manager has
// framed it, so before the first show there it is the client area alone.
TwipSize QtWindow::outerSize() const {
    form_->winId();
    const QSize size = form_->frameGeometry().size();
    return {twips(size.width()), twips(size.height())};
}

TwipSize QtWindow::screenSize() const {
    const QSize size = form_->screen()->geometry().size();
    return {twips(size.width()), twips(size.height())};
}

void QtWindow::setLeft(float left) {
    form_->move(pixels(left), form_->y());
}

void QtWindow::setTop(float top) {
    form_->move(form_->x(), pixels(top));
}

void QtWindow::show() {
    form_->show();
}

bool QtWindow::isVisible() const {
    return form_->isVisible();
}

std::u16string QtWindow::text(ControlId control) const {
    switch (design_.controls[static_cast<std::size_t>(control)].kind) {
        case ControlKind::Frame:
            return as<QGroupBox>(controls_, control)->title().toStdU16String();
        case ControlKind::ComboBox:
            return as<ComboBox>(controls_, control)->currentText().toStdU16String();
        case ControlKind::TextBox:
            return as<TextBox>(controls_, control)->text().toStdU16String();
        case ControlKind::PictureButton:
        case ControlKind::HScrollBar:
            break;
    }
    return {};
}

void QtWindow::setText(ControlId control, std::u16string_view text) {
    switch (design_.controls[static_cast<std::size_t>(control)].kind) {
        case ControlKind::Frame:
            as<QGroupBox>(controls_, control)->setTitle(toQString(text));
            break;
        case ControlKind::ComboBox:
            as<ComboBox>(controls_, control)->setProgramText(toQString(text));
            break;
        case ControlKind::TextBox:
            as<TextBox>(controls_, control)->setProgramText(toQString(text));
            break;
        case ControlKind::PictureButton:
        case ControlKind::HScrollBar:
            break;
    }
}

void QtWindow::setAccessibleText(ControlId control, std::u16string_view name,
                                 std::u16string_view description) {
    QWidget* widget = controls_.at(static_cast<std::size_t>(control));
    const QString nameText = toQString(name);
    const QString descriptionText = toQString(description);
    setAccessibleTexts(*widget, nameText, descriptionText);
    // Qt names a combo box by its current text on Linux; its text field carries the name.
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && combo->lineEdit()) {
        setAccessibleTexts(*combo->lineEdit(), nameText, descriptionText);
    }
}

int QtWindow::value(ControlId control) const {
    return as<ScrollBar>(controls_, control)->value();
}

void QtWindow::setValue(ControlId control, int value) {
    as<ScrollBar>(controls_, control)->setProgramValue(value);
}

void QtWindow::addItem(ControlId control, int position, std::u16string_view item) {
    as<ComboBox>(controls_, control)->insertProgramItem(position, toQString(item));
}

int QtWindow::itemCount(ControlId control) const {
    return as<ComboBox>(controls_, control)->count();
}

int QtWindow::listIndex(ControlId control) const {
    return as<ComboBox>(controls_, control)->currentIndex();
}

void QtWindow::setListIndex(ControlId control, int index) {
    as<ComboBox>(controls_, control)->setProgramIndex(index);
}

}  // namespace orvane::platform::qt
