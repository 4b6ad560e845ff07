// SETTINGS.TXT saved by another editor as UTF-8 or UTF-16 with a byte-order mark: the values are
// read in that encoding, and a text that the file's code page cannot hold is skipped like any bad
// value, so the job description read before it stays.

#include <gtest/gtest.h>

#include "platform/shared/utf8.h"
#include "settings/settings_file.h"
#include "settings_checks.h"

namespace {

using orvane::test::FakeEditorState;
using orvane::test::SettingValues;
using orvane::test::untouchedValues;
using orvane::test::untouchedValuesWith;

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

std::string withMark(std::u16string_view text, Encoding encoding) {
    if (encoding == Encoding::Utf8) {
        return "\xEF\xBB\xBF" + orvane::platform::encodeUtf8(text);
    }
    const bool little = encoding == Encoding::Utf16LittleEndian;
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += little ? low : high;
        bytes += little ? high : low;
    }
    return bytes;
}

class MarkedFile : public testing::TestWithParam<Encoding> {};

TEST_P(MarkedFile, load_fileWithByteOrderMark_readsItsEncoding) {
    // Ł has no byte in Windows-1252, and the telephone sign lies beyond 16 bits.
    const std::u16string_view text =
        u"JOB=Café ™ 5€\r\nHIGH ALARM=55\r\nJOB=Łódź\r\nGSM1=+31 6\r\nGSM2=\U0001F4DE 112\n"
        u"LANGUAGE=3";
    const orvane::test::ScratchFolder folder;
    orvane::test::writeFile(folder.path() / "SETTINGS.TXT", withMark(text, GetParam()));

    FakeEditorState state(untouchedValues());
    const orvane::LoadReport report = orvane::LoadSettings(state, folder.path().u16string());
    EXPECT_EQ(report.error, orvane::platform::FileError{});
    EXPECT_EQ(state.values(), untouchedValuesWith([](SettingValues& v) {
                  v.job = u"Café ™ 5€";
                  v.highAlarm = 55;
                  v.sms[0] = u"+31 6";
                  v.language = 3;
              }));
}

INSTANTIATE_TEST_SUITE_P(Encodings, MarkedFile,
                         testing::Values(Encoding::Utf8, Encoding::Utf16LittleEndian,
                                         Encoding::Utf16BigEndian));

// Two such files joined into one: the second file's mark starts a line.
TEST(ByteOrderMarks, load_utf8LineStartingWithAnotherMark_readsTheLine) {
    const orvane::test::ScratchFolder folder;
    orvane::test::writeFile(folder.path() / "SETTINGS.TXT",
                            "\xEF\xBB\xBFHIGH ALARM=55\r\n\xEF\xBB\xBFLOW ALARM=44\r\n");

    FakeEditorState state(untouchedValues());
    orvane::LoadSettings(state, folder.path().u16string());
    EXPECT_EQ(state.values(), untouchedValuesWith([](SettingValues& v) {
                  v.highAlarm = 55;
                  v.lowAlarm = 44;
              }));
}

}  // namespace
