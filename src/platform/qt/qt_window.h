#pragma once

#include <memory>
#include <vector>

#include "platform/form_events.h"
#include "platform/shared/event_gate.h"
#include "platform/window.h"

class QWidget;

namespace orvane::platform::qt {

class FormWidget;

// The program's window built from its design table with Qt widgets. Each control's object name
// is its design name, with the element index for arrays: "Frame(3)", "Text1(2)", "Combo1".
class QtWindow final : public Window {
  public:
    QtWindow(const FormDesign& design, FormEvents& events);
    ~QtWindow() override;

    QWidget* widget() const;

    void setCaption(std::u16string_view caption) override;
    TwipSize outerSize() const override;
    TwipSize screenSize() const override;
    void setLeft(float left) override;
    void setTop(float top) override;
    void show() override;
    bool isVisible() const override;

    std::u16string text(ControlId control) const override;
    void setText(ControlId control, std::u16string_view text) override;
    void setAccessibleText(ControlId control, std::u16string_view name,
                           std::u16string_view description) override;
    int value(ControlId control) const override;
    void setValue(ControlId control, int value) override;
    void addItem(ControlId control, int position, std::u16string_view item) override;
    int itemCount(ControlId control) const override;
    int listIndex(ControlId control) const override;
    void setListIndex(ControlId control, int index) override;

  private:
    void createControls(const FormDesign& design);
    QWidget* createControl(const ControlDesign& control, ControlId id, QWidget* parent);
    void stackControls(const FormDesign& design);
    void chainTabOrder(const FormDesign& design);

    const FormDesign& design_;
    EventGate events_;
    std::unique_ptr<FormWidget> form_;
    std::vector<QWidget*> controls_;  // by ControlId, owned by form_
};

}  // namespace orvane::platform::qt
