#include "settings/number.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orvane {
namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string_view trimBlanks(std::u16string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The leading digits of `text`, taken off it.
std::u16string_view takeDigits(std::u16string_view& text) {
    const auto* const end = std::find_if_not(text.begin(), text.end(), isDigit);
    const auto count = static_cast<std::size_t>(end - text.begin());
    const std::u16string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

}  // namespace

// Read digit by digit rather than through a floating-point conversion, so that a fraction of any
// length rounds exactly (a double would turn "0.50000000000000000001" into an exact half).
std::optional<std::int16_t> ToInt16(std::u16string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    const std::u16string_view whole = takeDigits(text);
    std::u16string_view fraction;
    if (!text.empty() && text.front() == u'.') {
        text.remove_prefix(1);
        fraction = takeDigits(text);
    }
    if (!text.empty() || (whole.empty() && fraction.empty())) {
        return std::nullopt;
    }

    // Any magnitude from kTooLarge up is out of range; capping keeps the sum from overflowing.
    constexpr std::int32_t kTooLarge = 100'000;
    std::int32_t magnitude = 0;
    for (const char16_t digit : whole) {
        magnitude = std::min(magnitude * 10 + (digit - u'0'), kTooLarge);
    }
    if (!fraction.empty()) {
        const char16_t first = fraction.front();
        const bool aboveHalf =
            first > u'5' || (first == u'5' && std::any_of(fraction.begin() + 1, fraction.end(),
                                                          [](char16_t c) { return c != u'0'; }));
        const bool exactHalf = first == u'5' && !aboveHalf;
        if (aboveHalf || (exactHalf && magnitude % 2 != 0)) {
            ++magnitude;
        }
    }

    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace orvane
