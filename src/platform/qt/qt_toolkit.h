#pragma once

#include "platform/toolkit.h"

namespace orvane::platform::qt {

// Windows made of Qt widgets, on the QApplication that already exists. Sets the look every
// window of the program shares (look.h).
class QtToolkit final : public Toolkit {
  public:
    QtToolkit();
    std::unique_ptr<Window> createWindow(const FormDesign& design, FormEvents& events) override;
    int run() override;
};

}  // namespace orvane::platform::qt
