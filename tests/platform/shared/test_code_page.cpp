// The settings file's code page, Windows-1252 on every system: every byte has its character and
// comes back as itself, and a text the code page cannot hold is refused as a whole.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/shared/code_page.h"

namespace {

using orvane::platform::codePageHolds;
using orvane::platform::decodeCodePage;
using orvane::platform::encodeCodePage;

std::string everyByte() {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    return all;
}

struct Encoding {
    const char* name;
    std::u16string_view text;
    std::optional<std::string> bytes;  // nothing where the code page cannot hold the text
};

class CodePage : public testing::TestWithParam<Encoding> {};

TEST_P(CodePage, encodeAndDecode_giveBytesOnlyForWhatItHolds) {
    EXPECT_EQ(encodeCodePage(GetParam().text), GetParam().bytes);
    EXPECT_EQ(codePageHolds(GetParam().text), GetParam().bytes.has_value());
    if (GetParam().bytes) {
        EXPECT_EQ(decodeCodePage(*GetParam().bytes), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CodePage,
    testing::Values(
        Encoding{"empty", u"", std::string()}, Encoding{"ascii", u"Pump 7", std::string("Pump 7")},
        Encoding{"plus", u"+", std::string("\x2b")}, Encoding{"euro", u"€", std::string("\x80")},
        Encoding{"trade_mark", u"™", std::string("\x99")},
        Encoding{"e_acute", u"é", std::string("\xe9")},
        Encoding{"u_umlaut", u"ü", std::string("\xfc")},
        Encoding{"euro_and_trade_mark", u"€™", std::string("\x80\x99")},
        Encoding{"accents", u"éàü", std::string("\xe9\xe0\xfc")},
        // Bytes with no character in Windows-1252 read as the C1 control of their number.
        Encoding{"undefined_bytes", u"\u0081\u008D\u008F\u0090\u009D",
                 std::string("\x81\x8D\x8F\x90\x9D")},
        Encoding{"polish_l_has_no_best_fit", u"Łódź", std::nullopt},
        Encoding{"greek", u"Ωmega", std::nullopt}, Encoding{"greek_inside", u"aΩb", std::nullopt},
        Encoding{"chinese", u"中", std::nullopt},
        Encoding{"chinese_at_the_end", u"ab中", std::nullopt},
        Encoding{"pair_of_surrogates", u"a\U0001F600b", std::nullopt},
        Encoding{"pair_at_the_end", u"a\U0001F600", std::nullopt},
        Encoding{"lone_surrogate", std::u16string_view(u"a\xD800", 2), std::nullopt},
        Encoding{"high_surrogate_at_the_end", std::u16string_view(u"a\xD83D", 2), std::nullopt},
        Encoding{"high_surrogate_alone", std::u16string_view(u"\xDBFF", 1), std::nullopt},
        Encoding{"low_surrogate_at_the_end", std::u16string_view(u"a\xDE00", 2), std::nullopt}),
    [](const testing::TestParamInfo<Encoding>& row) { return std::string(row.param.name); });

TEST(CodePageBytes, everyByte_decodesToOneCharacterAndBack) {
    const std::u16string text = decodeCodePage(everyByte());
    EXPECT_EQ(text.size(), 256u);
    EXPECT_EQ(encodeCodePage(text), everyByte());
}

TEST(CodePageBytes, decodeThenEncodeEachByteAlone_givesTheByteBack) {
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(encodeCodePage(decodeCodePage(one)), one) << "byte " << byte;
    }
}

TEST(CodePageBytes, everyCodeUnit_isHeldOnlyIfSomeByteGivesIt) {
    const std::u16string decoded = decodeCodePage(everyByte());
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const auto c = static_cast<char16_t>(unit);
        const bool givenByAByte = decoded.find(c) != std::u16string::npos;
        EXPECT_EQ(codePageHolds(std::u16string{u'a', c, u'b'}), givenByAByte) << "unit " << unit;
    }
}

TEST(CodePageBytes, aRefusedText_doesNotSpoilTheNext) {
    EXPECT_FALSE(codePageHolds(u"Ω"));
    EXPECT_EQ(encodeCodePage(u"Caf\u00e9"), std::string("Caf\xe9"));
    EXPECT_EQ(decodeCodePage("\x80\x99\xe9"), u"€™é");
}

}  // namespace
