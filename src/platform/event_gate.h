#pragma once

#include "platform/form_events.h"

namespace orvane::platform {

// Passes the controls' notifications on to the program until the window starts to go away:
// controls that lose the focus or hide while being destroyed must not call into a program that is
// itself being taken down. Each backend's window keeps one.
class EventGate final : public FormEvents {
  public:
    explicit EventGate(FormEvents& events) : events_(&events) {}
    void close() { events_ = nullptr; }

    bool queryUnload() override { return events_ != nullptr && events_->queryUnload(); }
    void click(ControlId control) override {
        if (events_ != nullptr) {
            events_->click(control);
        }
    }
    void change(ControlId control) override {
        if (events_ != nullptr) {
            events_->change(control);
        }
    }
    void scroll(ControlId control) override {
        if (events_ != nullptr) {
            events_->scroll(control);
        }
    }
    void keyPress(ControlId control, std::int16_t& keyAscii) override {
        if (events_ != nullptr) {
            events_->keyPress(control, keyAscii);
        }
    }
    bool acceptInsertion(ControlId control, std::u16string_view inserted) override {
        return events_ == nullptr || events_->acceptInsertion(control, inserted);
    }

  private:
    FormEvents* events_;
};

}  // namespace orvane::platform
