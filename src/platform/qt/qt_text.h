#pragma once

#include <QString>
#include <string_view>

namespace orvane::platform::qt {

inline QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvane::platform::qt
