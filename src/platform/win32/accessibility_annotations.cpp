#include "platform/win32/accessibility_annotations.h"

#include "platform/win32/windows_api.h"

#include <oleacc.h>

#include <algorithm>
#include <array>
#include <string>

#include "platform/win32/wide_text.h"

namespace orvane::platform::win32 {
namespace {

const std::array<MSAAPROPID, 2> kProperties = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};

}  // namespace

AccessibilityAnnotations::AccessibilityAnnotations() {
    void* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &services))) {
        services_ = static_cast<IAccPropServices*>(services);
    }
}

AccessibilityAnnotations::~AccessibilityAnnotations() {
    clear();
    if (services_ != nullptr) {
        services_->Release();
    }
}

bool AccessibilityAnnotations::annotate(HWND control, std::u16string_view name,
                                        std::u16string_view description) {
    if (services_ == nullptr) {
        return false;
    }
    const std::wstring nameText = toWide(name);
    const std::wstring descriptionText = toWide(description);
    const bool named =
        SUCCEEDED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                            PROPID_ACC_NAME, nameText.c_str()));
    const bool described =
        SUCCEEDED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                            PROPID_ACC_DESCRIPTION, descriptionText.c_str()));
    if (std::find(annotated_.begin(), annotated_.end(), control) == annotated_.end()) {
        annotated_.push_back(control);
    }
    return named && described;
}

void AccessibilityAnnotations::clear() {
    if (services_ != nullptr) {
        for (const HWND control : annotated_) {
            services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                      kProperties.data(), static_cast<int>(kProperties.size()));
        }
    }
    annotated_.clear();
}

}  // namespace orvane::platform::win32
