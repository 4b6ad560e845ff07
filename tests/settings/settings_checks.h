#pragma once

// What the GoogleTest settings tests share: readable values in messages, literals with NULs.

#include <ostream>
#include <string>
#include <string_view>

#include "fake_editor_state.h"
#include "platform/file_access.h"
#include "platform/shared/utf8.h"
#include "support/fake_window.h"

namespace orvane::test {

// Lets a failed comparison show both sides.
inline void PrintTo(const SettingValues& values, std::ostream* out) {
    using platform::encodeUtf8;
    *out << "job \"" << encodeUtf8(values.job) << "\", high " << values.highAlarm << ", low "
         << values.lowAlarm << ", sms \"" << encodeUtf8(values.sms[0]) << "\" \""
         << encodeUtf8(values.sms[1]) << "\" \"" << encodeUtf8(values.sms[2]) << "\", language "
         << values.language;
}

// All the bytes of a literal, also those after a NUL.
template <std::size_t size>
std::string withNuls(const char (&bytes)[size]) {
    return {bytes, size - 1};
}

}  // namespace orvane::test

namespace orvane::platform {

inline void PrintTo(const FileError& error, std::ostream* out) {
    *out << "problem " << static_cast<int>(error.problem) << ", reason \""
         << encodeUtf8(error.reason) << "\"";
}

}  // namespace orvane::platform
