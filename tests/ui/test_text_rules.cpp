// What the text fields take, judged by the rules themselves: the SMS keystroke filter, and the
// rules that text pasted, dropped or composed into an SMS field or the job description must pass.

#include <gtest/gtest.h>

#include <string>

#include "ui/text_rules.h"

namespace {

TEST(TextRules, smsKeys_arePhoneCharactersAndEditingKeys) {
    for (const char16_t key : std::u16string(u"0123456789+%&'(.\b\t\f")) {
        EXPECT_TRUE(orvane::smsAcceptsKey(key)) << int{key};
    }
    // Letters, space, other punctuation, letters beyond ASCII, Enter, Esc and the Ctrl letters
    // of copy, paste, cut and undo.
    for (const char16_t key : std::u16string(u"aB -#*,/)=éß€\r\x1b\x03\x16\x18\x1a")) {
        EXPECT_FALSE(orvane::smsAcceptsKey(key)) << int{key};
    }
}

struct Inserted {
    bool jobField;  // otherwise an SMS number field
    std::u16string_view text;
    bool accepted;
};

class InsertedText : public testing::TestWithParam<Inserted> {};

TEST_P(InsertedText, insertedText_isTakenWholeOrRefused) {
    const Inserted& row = GetParam();
    EXPECT_EQ(row.jobField ? orvane::jobAcceptsText(row.text) : orvane::smsAcceptsText(row.text),
              row.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InsertedText,
    testing::Values(Inserted{false, u"+31(06.123", true}, Inserted{false, u"+31 6", false},
                    Inserted{false, u"12a", false}, Inserted{false, u"12\t3", false},
                    Inserted{false, u"\f", false}, Inserted{true, u"Café € 5 ™", true},
                    Inserted{true, u"Pompe n°3 à Zürich, 5€", true},
                    Inserted{true, u"Ωmega", false}, Inserted{true, u"Łódź", false},
                    Inserted{true, u"two\r\nlines", false}, Inserted{true, u"中", false},
                    Inserted{true, u"a\U0001F600b", false}));

}  // namespace
