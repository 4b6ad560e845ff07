#include "platform/shared/event_gate.h"

namespace orvane::platform {

bool EventGate::queryUnload() {
    if (asking_) {
        return true;
    }
    if (events_ == nullptr) {
        return false;
    }
    asking_ = true;
    const bool stayOpen = events_->queryUnload();
    asking_ = false;
    return stayOpen;
}

void EventGate::click(ControlId control) {
    if (events_ != nullptr) {
        events_->click(control);
    }
}

void EventGate::change(ControlId control) {
    if (events_ != nullptr) {
        events_->change(control);
    }
}

void EventGate::scroll(ControlId control) {
    if (events_ != nullptr) {
        events_->scroll(control);
    }
}

void EventGate::keyPress(ControlId control, std::int16_t& keyAscii) {
    if (events_ != nullptr) {
        events_->keyPress(control, keyAscii);
    }
}

bool EventGate::allowsInsertion(ControlId control, std::u16string_view inserted) const {
    return events_ == nullptr || events_->allowsInsertion(control, inserted);
}

void EventGate::insertionRefused(ControlId control) {
    if (events_ != nullptr) {
        events_->insertionRefused(control);
    }
}

bool EventGate::acceptInsertion(ControlId control, std::u16string_view inserted) {
    if (allowsInsertion(control, inserted)) {
        return true;
    }
    insertionRefused(control);
    return false;
}

}  // namespace orvane::platform
