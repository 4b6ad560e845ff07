#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/editor_state.h"
#include "settings/setting_keys.h"

namespace orvane {

// The rest of `line` after `key` when the line starts with the key, ASCII letters compared
// without regard to case; otherwise the empty text. `key` includes its "=", e.g. u"JOB=".
std::u16string GetSettingValue(std::u16string_view line, std::u16string_view key);

// Sets the value a line of SETTINGS.TXT holds. Empty values, numbers that do not convert, texts
// with a character the file's code page cannot hold (bytes that are not text decode to such a
// character) and values the editor refuses are skipped, leaving that value as it was. A text ends
// at a NUL, which no text box can hold, so that the value shown is the value saved. `wholeLine`
// is false for a line that was cut for being too long: its texts are still whole enough for their
// fields, but a number on it is not read.
// The setting whose value the line holds but that was skipped or cut at a NUL; nothing when the
// line was applied as it stands, has an empty value or holds no key.
std::optional<Setting> ApplySettingLine(EditorState& state, std::u16string_view line,
                                        bool wholeLine = true);

}  // namespace orvane
