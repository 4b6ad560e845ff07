#include "ui/text_rules.h"

#include <algorithm>

#include "platform/shared/code_page.h"

namespace orvane {
namespace {

constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kFormFeed = 12;
constexpr int kFirstPrintable = 32;

}  // namespace

bool smsAcceptsKey(int keyAscii) {
    if (keyAscii == '+' || (keyAscii >= '0' && keyAscii <= '9')) {
        return true;
    }
    switch (keyAscii) {
        case kBackspace:
        case kTab:
        case kFormFeed:
        case '%':
        case '&':
        case '\'':
        case '(':
        case '.':
            return true;
        default:
            return false;
    }
}

bool smsAcceptsText(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char16_t c) { return c >= kFirstPrintable && smsAcceptsKey(c); });
}

bool jobAcceptsText(std::u16string_view text) {
    const bool printable =
        std::none_of(text.begin(), text.end(), [](char16_t c) { return c < kFirstPrintable; });
    return printable && platform::codePageHolds(text);
}

}  // namespace orvane
