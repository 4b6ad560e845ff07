#pragma once

#include <string_view>

namespace orvane {

// The characters an SMS number field takes from the keyboard: digits, "+", the editing keys
// backspace, tab and form feed, and "%", "&", "'", "(" and ".".
bool smsAcceptsKey(int keyAscii);

// Text pasted, dropped or composed into an SMS number field: only characters the keyboard filter
// accepts, and no control characters, which as keys only edit.
bool smsAcceptsText(std::u16string_view text);

// Text typed, pasted or dropped into the job description, which is one line of the settings file:
// only characters of the file's code page, and no line breaks or other control characters.
bool jobAcceptsText(std::u16string_view text);

}  // namespace orvane
