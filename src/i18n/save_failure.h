#pragma once

#include <string>
#include <string_view>

namespace orvane {

// What the user is told when the settings could not be written, in the language of a caption
// table column (0 English, 1 French, 2 German, 3 Dutch): the sentence, a blank line, the file's
// path and the system's reason.
std::u16string saveFailureMessage(int column, std::u16string_view path, std::u16string_view reason);

}  // namespace orvane
