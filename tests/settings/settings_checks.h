#pragma once

// What the GoogleTest settings tests share: readable values in messages, literals with NULs.

#include <ostream>
#include <string>
#include <string_view>

#include "fake_editor_state.h"
#include "platform/file_access.h"
#include "support/fake_window.h"

namespace orvane::testing {

// UTF-16 text as UTF-8, for messages.
inline std::string utf8(std::u16string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

// Lets a failed comparison show both sides.
inline void PrintTo(const SettingValues& values, std::ostream* out) {
    *out << "job \"" << utf8(values.job) << "\", high " << values.highAlarm << ", low "
         << values.lowAlarm << ", sms \"" << utf8(values.sms[0]) << "\" \"" << utf8(values.sms[1])
         << "\" \"" << utf8(values.sms[2]) << "\", language " << values.language;
}

// All the bytes of a literal, also those after a NUL.
template <std::size_t size>
std::string withNuls(const char (&bytes)[size]) {
    return {bytes, size - 1};
}

}  // namespace orvane::testing

namespace orvane::platform {

inline void PrintTo(const FileError& error, std::ostream* out) {
    *out << "problem " << static_cast<int>(error.problem) << ", reason \""
         << orvane::testing::utf8(error.reason) << "\"";
}

}  // namespace orvane::platform
