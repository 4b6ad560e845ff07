#pragma once

#include "platform/form_events.h"

namespace orvane::platform {

// Stands between a backend's window and the program. It passes the controls' notifications on
// until the window starts to go away (controls that lose the focus or hide while being destroyed
// must not call into a program that is itself being taken down), and it asks the closing question
// only once at a time: a second request to close while the question is open keeps the window open
// without asking again. Each backend's window keeps one.
class EventGate final : public FormEvents {
  public:
    explicit EventGate(FormEvents& events) : events_(&events) {}
    void close() { events_ = nullptr; }

    bool queryUnload() override;
    void click(ControlId control) override;
    void change(ControlId control) override;
    void scroll(ControlId control) override;
    void keyPress(ControlId control, std::int16_t& keyAscii) override;
    bool allowsInsertion(ControlId control, std::u16string_view inserted) const override;
    void insertionRefused(ControlId control) override;

    // allowsInsertion(), and insertionRefused() when it refuses.
    bool acceptInsertion(ControlId control, std::u16string_view inserted);

  private:
    FormEvents* events_;
    bool asking_ = false;
};

}  // namespace orvane::platform
