#include "support/stock_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <vector>

#include "platform/shared/twips.h"
#include "ui/form1_design.h"

// The buttons' pictures at the size they are shown, compiled in as XPM.
#include "data_folder_32.xpm"
#include "product_page_32.xpm"

namespace orvane::bench {
namespace {

using platform::ControlDesign;
using platform::ControlKind;

int pixels(int twips) {
    return platform::pixelsFromTwips(twips, platform::kStandardDpi);
}

QString qString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* stockControl(const ControlDesign& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::Frame:
            return new QGroupBox(qString(control.text), parent);
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setEditText(qString(control.text));
            return combo;
        }
        case ControlKind::PictureButton: {
            auto* button = new QPushButton(parent);
            button->setIcon(QPixmap(control.picture == platform::Picture::DeskGlobe
                                        ? product_page_32
                                        : data_folder_32));
            button->setIconSize(QSize(32, 32));
            button->setToolTip(qString(control.toolTip));
            return button;
        }
        case ControlKind::HScrollBar: {
            auto* bar = new QScrollBar(Qt::Horizontal, parent);
            bar->setRange(control.scroll.min, control.scroll.max);
            bar->setSingleStep(control.scroll.smallChange);
            bar->setPageStep(control.scroll.largeChange);
            bar->setValue(control.scroll.initial);
            return bar;
        }
        case ControlKind::TextBox: {
            auto* field = new QLineEdit(qString(control.text), parent);
            if (control.maxLength > 0) {
                field->setMaxLength(control.maxLength);
            }
            return field;
        }
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<QWidget> editorSizedWindow() {
    const platform::FormDesign& design = form1::design();
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(pixels(design.clientWidth), pixels(design.clientHeight));
    QFont font(qString(design.font.family));
    font.setPointSizeF(design.font.pointSize);
    window->setFont(font);
    return window;
}

std::unique_ptr<QWidget> stockControlsWindow() {
    const auto controls = form1::design().controls;
    auto window = editorSizedWindow();
    // In the table's order each scroll bar and the combo box come after the frame they lie on,
    // so they are drawn over it as in the editor.
    std::vector<QWidget*> widgets;
    for (const ControlDesign& control : controls) {
        QWidget* parent = control.container == platform::kNoControl
                              ? window.get()
                              : widgets.at(static_cast<std::size_t>(control.container));
        QWidget* widget = stockControl(control, parent);
        QString name =
            QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
        if (control.index >= 0) {
            name += QStringLiteral("(%1)").arg(control.index);
        }
        widget->setObjectName(name);
        widget->setGeometry(pixels(control.rect.left), pixels(control.rect.top),
                            pixels(control.rect.width), pixels(control.rect.height));
        widgets.push_back(widget);
    }
    return window;
}

}  // namespace orvane::bench
