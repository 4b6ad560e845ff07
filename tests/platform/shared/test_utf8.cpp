// UTF-8 as both builds decode it: one U+FFFD for each maximal ill-formed subsequence, a leading
// byte-order mark dropped; and the program's text back as UTF-8.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/shared/utf8.h"

namespace {

using orvane::platform::decodeUtf8;
using orvane::platform::encodeUtf8;

// Which ways a row holds: bytes to text, text to bytes, or both.
enum class Way { Decodes, Encodes, Both };

struct Conversion {
    const char* name;
    std::string_view bytes;
    std::u16string_view text;
    Way way;
};

class Utf8 : public testing::TestWithParam<Conversion> {};

TEST_P(Utf8, convert_givesOneReplacementPerMaximalSubpartOrLoneSurrogate) {
    if (GetParam().way != Way::Encodes) {
        EXPECT_EQ(decodeUtf8(GetParam().bytes), GetParam().text);
    }
    if (GetParam().way != Way::Decodes) {
        EXPECT_EQ(encodeUtf8(GetParam().text), GetParam().bytes);
    }
}

using namespace std::string_view_literals;
using enum Way;

INSTANTIATE_TEST_SUITE_P(
    Rows, Utf8,
    testing::Values(
        Conversion{"empty", "", u"", Both}, Conversion{"nul", "a\0b"sv, u"a\0b"sv, Both},
        Conversion{"two_and_three_bytes", "Caf\xC3\xA9 \xE2\x82\xAC", u"Café €", Both},
        Conversion{"four_bytes", "\xF0\x9F\x93\x9E", u"\U0001F4DE", Both},
        Conversion{"each_length_at_its_ends",
                   "\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF"
                   "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
                   u"\u0080\u07FF\u0800\uD7FF\uE000\uFFFF\U00010000\U0010FFFF", Both},
        Conversion{"stray_continuations", "\x80\xBFz", u"\uFFFD\uFFFDz", Decodes},
        Conversion{"bytes_that_begin_nothing", "\xC0\xC1\xF5\xFF", u"\uFFFD\uFFFD\uFFFD\uFFFD",
                   Decodes},
        Conversion{"overlong_slash", "\xC0\xAF", u"\uFFFD\uFFFD", Decodes},
        Conversion{"overlong_three_bytes", "\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD", Decodes},
        Conversion{"overlong_four_bytes", "\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD", Decodes},
        Conversion{"encoded_surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", Decodes},
        Conversion{"beyond_u10ffff", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", Decodes},
        Conversion{"cut_by_a_letter", "\xE2\x82z", u"\uFFFDz", Decodes},
        Conversion{"cut_at_the_end", "a\xF0\x9F\x93", u"a\uFFFD", Decodes},
        Conversion{"cut_by_another_lead", "\xF0\x9F\x93\xC3\xA9", u"\uFFFD\u00E9", Decodes},
        // Unicode's own example of the rule.
        Conversion{"unicode_example", "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
                   u"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd", Decodes},
        Conversion{"mark_at_the_start", "\xEF\xBB\xBFJOB=1", u"JOB=1", Decodes},
        Conversion{"second_mark_at_the_start", "\xEF\xBB\xBF\xEF\xBB\xBFJOB=1", u"\uFEFFJOB=1",
                   Decodes},
        Conversion{"mark_inside", "a\xEF\xBB\xBFz", u"a\uFEFFz", Both},
        Conversion{"mark_cut_at_the_start", "\xEF\xBBJ", u"\uFFFDJ", Decodes},
        // A lone surrogate in the program's text becomes U+FFFD.
        Conversion{"lone_high", "a\xEF\xBF\xBDz", u"a\xD83Dz", Encodes},
        Conversion{"high_at_the_end", "a\xEF\xBF\xBD", u"a\xD83D", Encodes},
        Conversion{"lone_low", "\xEF\xBF\xBDz", u"\xDC80z", Encodes},
        Conversion{"halves_swapped", "\xEF\xBF\xBD\xEF\xBF\xBD", u"\xDCDE\xD83D", Encodes},
        Conversion{"high_before_a_pair", "\xEF\xBF\xBD\xF0\x9F\x93\x9E", u"\xD83D\xD83D\xDCDE",
                   Encodes}),
    [](const testing::TestParamInfo<Conversion>& row) { return std::string(row.param.name); });

}  // namespace
