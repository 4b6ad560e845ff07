// SETTINGS.TXT through the Windows file and code page layer: reading, byte-exact writing, failed
// writes that leave everything as it was, and names that are no regular files.

#include <gtest/gtest.h>

#include <array>

#include "platform/code_page.h"
#include "platform/text_file.h"
#include "platform/win32/program_folder.h"
#include "platform/win32/system_message.h"
#include "platform/win32/windows_api.h"
#include "settings/fake_editor_state.h"
#include "settings/settings_file.h"
#include "support/temporary_folder.h"

namespace {

using orvane::test::TemporaryFolder;
using orvane::testing::FakeEditorState;
using orvane::testing::SettingValues;

std::string readAll(orvane::platform::ByteReader& reader) {
    std::string bytes;
    std::array<char, 7> buffer{};  // small, so that a read rarely takes the whole file
    while (const std::size_t got = reader.read(buffer)) {
        bytes.append(buffer.data(), got);
    }
    return bytes;
}

DWORD attributesOf(const std::filesystem::path& path) {
    return GetFileAttributesW(path.c_str());
}

class SettingsFile : public testing::Test {
  protected:
    void SetUp() override {
        // The expected bytes below are Windows-1252, the ANSI code page Wine gives an English
        // or C locale.
        ASSERT_EQ(GetACP(), 1252u) << "the tests expect the Western European code page";
    }

    std::filesystem::path settings() const { return folder.path() / "SETTINGS.TXT"; }

    TemporaryFolder folder;
};

TEST_F(SettingsFile, loadAFileInTheCodePage_readsEveryValue) {
    orvane::test::writeBytes(settings(),
                             "JOB=Caf\xe9 \x80 5\x99\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\n"
                             "GSM1=+3161\r\nGSM2=\r\nGSM3=(0)6\r\nLANGUAGE=2\r\n");
    FakeEditorState state;
    orvane::LoadSettings(state, folder.u16path());
    SettingValues expected;
    expected.job = u"Café € 5™";
    expected.highAlarm = 80;
    expected.lowAlarm = 20;
    expected.sms = {u"+3161", u"", u"(0)6"};
    expected.language = 2;
    EXPECT_EQ(state.values(), expected);
}

TEST_F(SettingsFile, saveOverAnOldFile_writesTheSevenLinesByteForByteAndLeavesNoOtherFile) {
    orvane::test::writeBytes(settings(), "JOB=old\r\n");
    SettingValues values;
    values.job = u"Pompe n°3 à Zürich, 5€";
    values.highAlarm = 70;
    values.lowAlarm = 15;
    values.sms = {u"+31(0)6", u"", u"112"};
    values.language = 1;
    const FakeEditorState state(values);

    const auto result = orvane::SaveSettings(state, folder.u16path());

    ASSERT_TRUE(result.ok) << std::string(result.reason.begin(), result.reason.end());
    EXPECT_EQ(orvane::test::readBytes(settings()),
              "JOB=Pompe n\xb0"
              "3 \xe0 Z\xfcrich, 5\x80\r\nHIGH ALARM=70\r\nLOW ALARM=15\r\nGSM1=+31(0)6\r\n"
              "GSM2=\r\nGSM3=112\r\nLANGUAGE=1\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"SETTINGS.TXT"});
}

TEST_F(SettingsFile, saveWithoutAFile_createsIt) {
    const auto result = orvane::platform::replaceFile(settings().u16string(), "JOB=new\r\n");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(orvane::test::readBytes(settings()), "JOB=new\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"SETTINGS.TXT"});
}

TEST_F(SettingsFile, saveOverAReadOnlyFile_isRefusedAndLeavesItAsItWas) {
    orvane::test::writeBytes(settings(), "JOB=old\r\n");
    ASSERT_TRUE(SetFileAttributesW(settings().c_str(), FILE_ATTRIBUTE_READONLY));
    const auto result = orvane::platform::replaceFile(settings().u16string(), "JOB=new\r\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, orvane::platform::win32::systemMessage(ERROR_ACCESS_DENIED));
    EXPECT_EQ(orvane::test::readBytes(settings()), "JOB=old\r\n");
    EXPECT_NE(attributesOf(settings()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"SETTINGS.TXT"});
}

TEST_F(SettingsFile, saveOverAFolderInTheFilesPlace_failsWithTheSystemsReasonAndLeavesItAsItWas) {
    ASSERT_TRUE(std::filesystem::create_directory(settings()));
    orvane::test::writeBytes(settings() / "inside.txt", "kept");
    const auto result = orvane::platform::replaceFile(settings().u16string(), "JOB=new\r\n");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_NE(result.reason.back(), u'\n');
    EXPECT_TRUE(std::filesystem::is_directory(settings()));
    EXPECT_EQ(orvane::test::readBytes(settings() / "inside.txt"), "kept");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"SETTINGS.TXT"});  // no temporary file
}

TEST_F(SettingsFile, saveIntoAMissingFolder_failsWithAReasonAndCreatesNothing) {
    const auto missing = folder.path() / "no such folder" / "SETTINGS.TXT";
    const auto result = orvane::platform::replaceFile(missing.u16string(), "JOB=new\r\n");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(SettingsFile, saveATextTheCodePageCannotHold_failsAndKeepsTheOldFile) {
    orvane::test::writeBytes(settings(), "JOB=old\r\n");
    SettingValues values;
    values.job = u"Łódź";
    const auto result = orvane::SaveSettings(FakeEditorState(values), folder.u16path());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(orvane::test::readBytes(settings()), "JOB=old\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"SETTINGS.TXT"});
}

TEST_F(SettingsFile, openARegularFile_readsItWhole) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) {
        bytes += static_cast<char>(i % 251);
    }
    orvane::test::writeBytes(settings(), bytes);
    const auto reader = orvane::platform::openRegularFile(settings().u16string());
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(readAll(*reader), bytes);
}

TEST_F(SettingsFile, openANameThatIsNoRegularFile_givesNoReader) {
    ASSERT_TRUE(std::filesystem::create_directory(settings()));
    const std::u16string names[] = {u"NUL", u"CON", u"\\\\.\\NUL", settings().u16string(),
                                    (folder.path() / "missing.txt").u16string()};
    for (const auto& name : names) {
        EXPECT_EQ(orvane::platform::openRegularFile(name), nullptr)
            << std::string(name.begin(), name.end());
    }
}

TEST_F(SettingsFile, loadWhereTheFileIsAFolder_leavesTheStateAlone) {
    ASSERT_TRUE(std::filesystem::create_directory(settings()));
    SettingValues values;
    values.job = u"unchanged";
    values.highAlarm = 40;
    FakeEditorState state(values);
    orvane::LoadSettings(state, folder.u16path());
    EXPECT_EQ(state.values(), values);
}

struct Encoding {
    const char* name;
    std::u16string_view text;
    std::optional<std::string> bytes;
};

class CodePage : public testing::TestWithParam<Encoding> {
  protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u); }
};

TEST_P(CodePage, encode_givesBytesOnlyForWhatItHolds) {
    EXPECT_EQ(orvane::platform::encodeCodePage(GetParam().text), GetParam().bytes);
    EXPECT_EQ(orvane::platform::codePageHolds(GetParam().text), GetParam().bytes.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CodePage,
    testing::Values(Encoding{"empty", u"", std::string()},
                    Encoding{"ascii", u"Pump 7", std::string("Pump 7")},
                    Encoding{"euro_and_trade_mark", u"€™", std::string("\x80\x99")},
                    Encoding{"accents", u"éàü", std::string("\xe9\xe0\xfc")},
                    Encoding{"polish_l_has_no_best_fit", u"Łódź", std::nullopt},
                    Encoding{"greek", u"Ωmega", std::nullopt},
                    Encoding{"chinese", u"中", std::nullopt},
                    Encoding{"lone_surrogate", std::u16string_view(u"a\xD800", 2), std::nullopt}),
    [](const testing::TestParamInfo<Encoding>& row) { return std::string(row.param.name); });

TEST(CodePageRoundTrip, decodeThenEncodeEveryDefinedByte_givesTheByteBack) {
    ASSERT_EQ(GetACP(), 1252u);
    EXPECT_EQ(orvane::platform::decodeCodePage("\x80\x99\xe9"), u"€™é");
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
            continue;  // no character in Windows-1252
        }
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(orvane::platform::encodeCodePage(orvane::platform::decodeCodePage(one)), one)
            << "byte " << byte;
    }
}

TEST(SystemMessage, lookUpAnErrorCode_givesTheSystemsTextWithoutTheLineBreak) {
    const std::u16string message = orvane::platform::win32::systemMessage(ERROR_ACCESS_DENIED);
    ASSERT_FALSE(message.empty());
    EXPECT_NE(message.back(), u'\n');
    EXPECT_NE(message.back(), u'\r');
    EXPECT_NE(message, orvane::platform::win32::systemMessage(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(orvane::platform::win32::systemMessage(0x2FFFFFFF), u"Error 805306367");
}

TEST(ProgramFolder, programFolder_holdsTheRunningProgram) {
    const std::filesystem::path folder(orvane::platform::win32::programFolder());
    std::array<wchar_t, MAX_PATH> module{};
    GetModuleFileNameW(nullptr, module.data(), MAX_PATH);
    const auto name = std::filesystem::path(module.data()).filename();
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / name));
}

}  // namespace
