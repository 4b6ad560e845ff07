#include "platform/shared/form_layout.h"

#include <algorithm>

namespace orvane::platform {
namespace {

const ControlDesign& at(const FormDesign& design, ControlId control) {
    return design.controls[static_cast<std::size_t>(control)];
}

std::vector<ControlId> byStackPlace(const FormDesign& design, ControlId container) {
    std::vector<ControlId> controls;
    for (std::size_t id = 0; id < design.controls.size(); ++id) {
        if (design.controls[id].container == container) {
            controls.push_back(static_cast<ControlId>(id));
        }
    }
    std::stable_sort(controls.begin(), controls.end(), [&design](ControlId a, ControlId b) {
        return at(design, a).stackPlace < at(design, b).stackPlace;
    });
    return controls;
}

}  // namespace

TwipRect rectInWindow(const FormDesign& design, ControlId control) {
    TwipRect rect = at(design, control).rect;
    for (ControlId container = at(design, control).container; container != kNoControl;
         container = at(design, container).container) {
        rect.left += at(design, container).rect.left;
        rect.top += at(design, container).rect.top;
    }
    return rect;
}

std::vector<ControlId> stackingOrder(const FormDesign& design) {
    std::vector<ControlId> order;
    const auto place = [&](const auto& self, ControlId container) -> void {
        for (const ControlId control : byStackPlace(design, container)) {
            self(self, control);  // what a frame contains lies in front of it
            order.push_back(control);
        }
    };
    place(place, kNoControl);
    return order;
}

std::vector<ControlId> tabOrder(const FormDesign& design) {
    std::vector<ControlId> order;
    for (std::size_t id = 0; id < design.controls.size(); ++id) {
        if (design.controls[id].kind != ControlKind::Frame) {
            order.push_back(static_cast<ControlId>(id));
        }
    }
    std::stable_sort(order.begin(), order.end(), [&design](ControlId a, ControlId b) {
        return at(design, a).tabIndex < at(design, b).tabIndex;
    });
    return order;
}

ControlId nextInTabOrder(std::span<const ControlId> order, ControlId current, bool forward) {
    if (order.empty()) {
        return kNoControl;
    }
    const auto found = std::find(order.begin(), order.end(), current);
    if (found == order.end()) {
        return order.front();
    }
    const auto index = static_cast<std::size_t>(found - order.begin());
    const std::size_t next =
        forward ? (index + 1) % order.size() : (index + order.size() - 1) % order.size();
    return order[next];
}

}  // namespace orvane::platform
