#pragma once

#include "platform/dialogs.h"

namespace orvane::platform::qt {

class QtDialogs final : public Dialogs {
  public:
    Answer ask(std::u16string_view text, std::u16string_view title) override;
    bool confirm(std::u16string_view text, std::u16string_view title) override;
    void warn(std::u16string_view text, std::u16string_view title) override;
};

}  // namespace orvane::platform::qt
