// UTF-8 as both builds decode it: one U+FFFD for each maximal ill-formed subsequence, a leading
// byte-order mark dropped; and the program's text back as UTF-8.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/shared/utf8.h"

namespace {

using orvane::platform::decodeUtf8;
using orvane::platform::encodeUtf8;

struct Decoding {
    const char* name;
    std::string_view bytes;
    std::u16string_view text;
    bool encodesBack;  // the text gives these very bytes again
};

class Utf8Decoding : public testing::TestWithParam<Decoding> {};

TEST_P(Utf8Decoding, decode_givesOneReplacementPerMaximalSubpart) {
    EXPECT_EQ(decodeUtf8(GetParam().bytes), GetParam().text);
    if (GetParam().encodesBack) {
        EXPECT_EQ(encodeUtf8(GetParam().text), GetParam().bytes);
    }
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8Decoding,
    testing::Values(
        Decoding{"empty", "", u"", true}, Decoding{"nul", "a\0b"sv, u"a\0b"sv, true},
        Decoding{"two_and_three_bytes", "Caf\xC3\xA9 \xE2\x82\xAC", u"Café €", true},
        Decoding{"four_bytes", "\xF0\x9F\x93\x9E", u"\U0001F4DE", true},
        Decoding{"each_length_at_its_ends",
                 "\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF"
                 "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
                 u"\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF", true},
        Decoding{"stray_continuations", "\x80\xBFz", u"\uFFFD\uFFFDz", false},
        Decoding{"bytes_that_begin_nothing", "\xC0\xC1\xF5\xFF", u"\uFFFD\uFFFD\uFFFD\uFFFD",
                 false},
        Decoding{"overlong_slash", "\xC0\xAF", u"\uFFFD\uFFFD", false},
        Decoding{"overlong_three_bytes", "\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD", false},
        Decoding{"overlong_four_bytes", "\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
        Decoding{"encoded_surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},
        Decoding{"beyond_u10ffff", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
        Decoding{"cut_by_a_letter", "\xE2\x82z", u"\uFFFDz", false},
        Decoding{"cut_at_the_end", "a\xF0\x9F\x93", u"a\uFFFD", false},
        Decoding{"cut_by_another_lead", "\xF0\x9F\x93\xC3\xA9", u"\uFFFD\u00E9", false},
        // Unicode's own example of the rule.
        Decoding{"unicode_example", "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
                 u"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd", false},
        Decoding{"mark_at_the_start", "\xEF\xBB\xBFJOB=1", u"JOB=1", false},
        Decoding{"second_mark_at_the_start", "\xEF\xBB\xBF\xEF\xBB\xBFJOB=1", u"\uFEFFJOB=1",
                 false},
        Decoding{"mark_inside", "a\xEF\xBB\xBFz", u"a\uFEFFz", true},
        Decoding{"mark_cut_at_the_start", "\xEF\xBBJ", u"\uFFFDJ", false}),
    [](const testing::TestParamInfo<Decoding>& row) { return std::string(row.param.name); });

struct Encoding {
    const char* name;
    std::u16string_view text;
    std::string_view bytes;
};

class Utf16Encoding : public testing::TestWithParam<Encoding> {};

TEST_P(Utf16Encoding, encode_givesReplacementForLoneSurrogates) {
    EXPECT_EQ(encodeUtf8(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16Encoding,
    testing::Values(Encoding{"lone_high", u"a\xD83Dz", "a\xEF\xBF\xBDz"},
                    Encoding{"high_at_the_end", u"a\xD83D", "a\xEF\xBF\xBD"},
                    Encoding{"lone_low", u"\xDC80z", "\xEF\xBF\xBDz"},
                    Encoding{"halves_swapped", u"\xDCDE\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                    Encoding{"high_before_a_pair", u"\xD83D\xD83D\xDCDE",
                             "\xEF\xBF\xBD\xF0\x9F\x93\x9E"}),
    [](const testing::TestParamInfo<Encoding>& row) { return std::string(row.param.name); });

}  // namespace
