#pragma once

#include <string_view>

namespace orvane {

// What a screen reader says about a control besides its frame's caption, in the language of a
// caption table column (0 English, 1 French, 2 German, 3 Dutch).
enum class AccessibleControl {
    Language,
    HighAlarm,
    LowAlarm,
    JobDescription,
    SmsNumber,
    DataFolderButton,
    ProductPageButton
};

// The buttons have no frame: their names come from here.
std::u16string_view accessibleName(AccessibleControl control, int column);
std::u16string_view accessibleDescription(AccessibleControl control, int column);

}  // namespace orvane
