#pragma once

#include <string_view>

namespace orvane {

// The characters an SMS number field takes from the keyboard: digits, "+", the editing keys
// backspace, tab and form feed, and "%", "&", "'", "(" and ".".
bool smsAcceptsKey(int keyAscii);

// Text pasted, dropped or composed into an SMS number field: only characters the keyboard filter
// accepts, and no control characters, which as keys only edit.
bool smsAcceptsText(std::u16string_view text);

}  // namespace orvane
