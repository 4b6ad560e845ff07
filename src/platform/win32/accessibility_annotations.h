#pragma once

#include <string_view>
#include <vector>

#include "platform/win32/windows_api.h"

struct IAccPropServices;

namespace orvane::platform::win32 {

// Names and descriptions for screen readers, attached to controls through the system's annotation
// service (Dynamic Annotation, oleacc). Where the service is missing the controls keep the texts
// Windows gives them.
class AccessibilityAnnotations {
  public:
    AccessibilityAnnotations();
    ~AccessibilityAnnotations();
    AccessibilityAnnotations(const AccessibilityAnnotations&) = delete;
    AccessibilityAnnotations& operator=(const AccessibilityAnnotations&) = delete;

    // True when the service took both texts.
    bool annotate(HWND control, std::u16string_view name, std::u16string_view description);
    // Takes the texts off again; to be done while the controls still exist.
    void clear();

  private:
    IAccPropServices* services_ = nullptr;
    std::vector<HWND> annotated_;
};

}  // namespace orvane::platform::win32
