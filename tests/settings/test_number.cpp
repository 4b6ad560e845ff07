// The numbers of the settings file: a decimal text rounded half to even into a 16-bit value, and
// every text that is no such number refused.

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "settings/number.h"

namespace {

using orvane::ToInt16;

struct Converted {
    std::u16string_view text;
    int expected;
};

class NumberText : public testing::TestWithParam<Converted> {};

TEST_P(NumberText, convertNumberText_givesTheValueRoundedHalfToEven) {
    const std::optional<std::int16_t> number = ToInt16(GetParam().text);
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(int{*number}, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberText,
    testing::Values(
        Converted{u"55", 55},                                              // plain
        Converted{u"0", 0},                                                // zero
        Converted{u"+7", 7},                                               // plus sign
        Converted{u"-7", -7},                                              // minus sign
        Converted{u"-0", 0},                                               // minus zero
        Converted{u"  42  ", 42},                                          // spaces around
        Converted{u"\t-3\t", -3},                                          // tabs around
        Converted{u" \t+12", 12},                                          // blanks before sign
        Converted{u"0000000000000000000000000000000000000000000099", 99},  // leading zeros
        Converted{u"40.4", 40},                                            // fraction below half
        Converted{u"40.6", 41},                                            // fraction above half
        Converted{u"40.5", 40},                                            // half to even, down
        Converted{u"41.5", 42},                                            // half to even, up
        Converted{u"0.5", 0},                                              // half of zero
        Converted{u"-0.5", 0},                                             // negative half to zero
        Converted{u"-1.5", -2},                                            // negative half to even
        Converted{u"-2.5", -2},                            // negative half to even, down
        Converted{u"2.50000000000000000000000000", 2},     // half with trailing zeros
        Converted{u"2.5000001", 3},                        // just above half
        Converted{u"2.50000000000000000000000000001", 3},  // above half beyond double precision
        Converted{u"2.4999999999999999999999999999", 2},   // just below half
        Converted{u".5", 0},                               // fraction only
        Converted{u".51", 1},                              // fraction only, above half
        Converted{u"-.7", -1},                             // signed fraction only
        Converted{u"5.", 5},                               // point without fraction
        Converted{u"9.9", 10},                             // fraction rounding up to next ten
        Converted{u"32767", 32767},                        // largest
        Converted{u"-32768", -32768},                      // smallest
        Converted{u"32766.5", 32766},                      // largest from below
        Converted{u"32767.4999", 32767},                   // largest rounded down
        Converted{u"-32768.5", -32768},                    // smallest from half below
        Converted{u"-00032768.0", -32768}                  // smallest with leading zeros
        ));

class NoInt16 : public testing::TestWithParam<std::u16string_view> {};

TEST_P(NoInt16, convertTextThatIsNoInt16_isRefused) {
    const std::optional<std::int16_t> number = ToInt16(GetParam());
    EXPECT_FALSE(number.has_value()) << "converted to " << number.value_or(0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NoInt16,
    testing::Values(
        std::u16string_view(u""),              // empty
        std::u16string_view(u"  \t "),         // blanks only
        std::u16string_view(u"."),             // point alone
        std::u16string_view(u"-"),             // sign alone
        std::u16string_view(u"+."),            // sign and point
        std::u16string_view(u"- 4"),           // space after sign
        std::u16string_view(u"+-4"),           // two signs
        std::u16string_view(u"4 4"),           // space inside
        std::u16string_view(u"1e2"),           // exponent
        std::u16string_view(u"0x10"),          // hexadecimal
        std::u16string_view(u"1,5"),           // comma as decimal mark
        std::u16string_view(u"1.2.3"),         // two points
        std::u16string_view(u"12a"),           // trailing letter
        std::u16string_view(u"inf"),           // infinity
        std::u16string_view(u"nan"),           // not a number
        std::u16string_view(u"\u00A012"),      // other blank
        std::u16string_view(u"\u0661\u0662"),  // other digits
        std::u16string_view(u"\n12\n"),        // line feed around
        std::u16string_view(u"12\0", 3),       // nul after digits
        std::u16string_view(u"32768"),         // above largest
        std::u16string_view(u"-32769"),        // below smallest
        std::u16string_view(u"32767.5"),       // largest plus half rounds out
        std::u16string_view(u"-32768.51"),     // smallest minus more than half
        std::u16string_view(u"99999999999999999999999999999999999999"),  // far too large
        std::u16string_view(u"-184467440737095516160000"),               // far too small
        std::u16string_view(u"4294967301"),  // wraps a 32-bit count to a small number
        std::u16string_view(u"65541")        // wraps a 16-bit count to a small number
        ));

}  // namespace
