// SETTINGS.TXT read into the editor: every valid line applied in order, the values it could not
// apply named, and a file that is no regular file never opened as one.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "settings/line_reader.h"
#include "settings/settings_file.h"
#include "settings_checks.h"
#include "watchdog.h"

namespace {

using orvane::LoadSettings;
using orvane::ValuesNotApplied;
using orvane::test::FakeEditorState;
using orvane::test::ScratchFolder;
using orvane::test::SettingValues;
using orvane::test::untouchedValues;
using orvane::test::untouchedValuesWith;
using orvane::test::withNuls;
using orvane::test::writeFile;

constexpr std::chrono::seconds kLoadLimit{10};

SettingValues loadFrom(const ScratchFolder& folder) {
    FakeEditorState state(untouchedValues());
    const orvane::test::Watchdog watchdog(kLoadLimit, "LoadSettings");
    LoadSettings(state, folder.path().u16string());
    return state.values();
}

struct Loaded {
    const char* name;
    std::string bytes;
    SettingValues expected;
};

std::vector<Loaded> loadedRows() {
    std::vector<Loaded> rows;
    const SettingValues untouched = untouchedValues();
    const SettingValues typical{u"Line 7 north", 80, 20, {u"+441234567", u"0612", u"112"}, 2};
    const std::string typicalLines[] = {"JOB=Line 7 north", "HIGH ALARM=80", "LOW ALARM=20",
                                        "GSM1=+441234567",  "GSM2=0612",     "GSM3=112",
                                        "LANGUAGE=2"};
    const auto joined = [&typicalLines](const std::string& end) {
        std::string bytes;
        for (const std::string& line : typicalLines) {
            bytes += line + end;
        }
        return bytes;
    };

    rows.push_back({"CR LF", joined("\r\n"), typical});
    rows.push_back({"LF", joined("\n"), typical});
    rows.push_back({"CR", joined("\r"), typical});
    rows.push_back(
        {"mixed line ends",
         std::string("JOB=Line 7 north\rHIGH ALARM=80\nLOW ALARM=20\r\nGSM1=+441234567\n\r"
                     "GSM2=0612\r\rGSM3=112\n\nLANGUAGE=2"),
         typical});
    rows.push_back(
        {"no end after last line", joined("\r\n").substr(0, joined("\r\n").size() - 2), typical});
    rows.push_back({"keys in any case and order",
                    std::string("language=2\r\ngsm3=112\r\nGsm2=0612\r\ngsm1=+441234567\r\n"
                                "Low Alarm=20\r\nhigh alarm=80\r\njob=Line 7 north\r\n"),
                    typical});
    rows.push_back({"empty file", std::string(), untouched});
    rows.push_back({"later line wins", std::string("JOB=first\r\nJOB=second\r\n"),
                    untouchedValuesWith([](SettingValues& v) { v.job = u"second"; })});
    rows.push_back({"values out of limits skipped",
                    std::string("HIGH ALARM=101\r\nLOW ALARM=-1\r\nLANGUAGE=4\r\nLANGUAGE=-2\r\n"),
                    untouched});
    rows.push_back(
        {"garbage skipped, later lines applied",
         std::string("HIGH ALARM=abc\r\nLOW ALARM=1e1\r\nLANGUAGE=0x1\r\n\x01\xff\xfe garbage\r\n"
                     "HIGH ALARM=- 4\r\nHIGH ALARM=66\r\nLOW ALARM=1,5\r\nLOW ALARM=33\r\n"
                     "LANGUAGE=3\r\n"),
         untouchedValuesWith([](SettingValues& v) {
             v.highAlarm = 66;
             v.lowAlarm = 33;
             v.language = 3;
         })});
    rows.push_back({"code page", std::string("JOB=Caf\xE9 \x80 5\x99\r\nGSM1=\xA3\xE9\r\n"),
                    untouchedValuesWith([](SettingValues& v) {
                        v.job = u"Café € 5™";
                        v.sms[0] = u"£é";
                    })});
    rows.push_back({"nul bytes",
                    withNuls("JOB=a\0b\r\nHIGH ALARM=7\0\r\n\0LANGUAGE=1\r\nLOW ALARM=9\r\n"),
                    untouchedValuesWith([](SettingValues& v) {
                        v.job = u"a";
                        v.lowAlarm = 9;
                    })});

    const std::size_t longest = orvane::LineReader::kMaxLineUnits;
    rows.push_back({"number on the longest whole line",
                    std::string("HIGH ALARM=") + std::string(longest - 13, '0') + "77\r\n",
                    untouchedValuesWith([](SettingValues& v) { v.highAlarm = 77; })});
    rows.push_back(
        {"number on a cut line not read",
         std::string("HIGH ALARM=") + std::string(longest - 12, '0') + "77\r\nLOW ALARM=7\r\n",
         untouchedValuesWith([](SettingValues& v) { v.lowAlarm = 7; })});
    rows.push_back({"text on a cut line",
                    std::string("GSM3=") + std::string(2 * longest, '5') + "\r\nLANGUAGE=1\r\n",
                    untouchedValuesWith([](SettingValues& v) {
                        v.sms[2] = std::u16string(16, u'5');
                        v.language = 1;
                    })});
    return rows;
}

class LoadedFile : public testing::TestWithParam<Loaded> {};

TEST_P(LoadedFile, loadAFile_appliesEveryValidLineInOrder) {
    const ScratchFolder folder;
    writeFile(folder.path() / "SETTINGS.TXT", GetParam().bytes);
    EXPECT_EQ(loadFrom(folder), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Rows, LoadedFile, testing::ValuesIn(loadedRows()));

struct NotApplied {
    const char* name;
    std::string bytes;
    ValuesNotApplied expected;
};

std::vector<NotApplied> notAppliedRows() {
    using enum orvane::Setting;
    return {
        {"UTF-8 beyond the code page, bytes that are no text",
         "\xEF\xBB\xBFJOB=\xC5\x81\r\nGSM2=1\r\nGSM1=12\xFF\r\nGSM3=\xC3",
         ValuesNotApplied{{JobDescription, SmsNumber1, SmsNumber3}}},
        {"bad numbers, a text cut at a NUL; empty values and other lines unnamed",
         withNuls("LANGUAGE=9\r\nHIGH ALARM=abc\r\nGSM2=1\0 2\r\nHIGH ALARM=5\r\nJOB=\r\nX=1\r\n"),
         ValuesNotApplied{{HighAlarm, SmsNumber2, Language}}},
        {"UTF-32 little-endian", withNuls("\xFF\xFE\0\0J\0\0\0"), ValuesNotApplied{{}, true}},
        {"UTF-32 big-endian", withNuls("\0\0\xFE\xFF\0\0\0J"), ValuesNotApplied{{}, true}},
    };
}

class NotAppliedValues : public testing::TestWithParam<NotApplied> {};

TEST_P(NotAppliedValues, loadValuesNotAppliedAsTheyStand_namesTheirKeys) {
    const ScratchFolder folder;
    writeFile(folder.path() / "SETTINGS.TXT", GetParam().bytes);
    FakeEditorState state(untouchedValues());
    EXPECT_TRUE(LoadSettings(state, folder.path().u16string()).notApplied == GetParam().expected)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Rows, NotAppliedValues, testing::ValuesIn(notAppliedRows()));

TEST(LoadSettings, loadWithoutASettingsFile_leavesTheValuesAlone) {
    const ScratchFolder folder;
    // A file of a similar name is not the settings file.
    writeFile(folder.path() / "SETTINGS.TXT.bak", "JOB=backup\r\n");
    EXPECT_EQ(loadFrom(folder), untouchedValues());

    FakeEditorState state(untouchedValues());
    LoadSettings(state, (folder.path() / "missing").u16string());
    EXPECT_EQ(state.values(), untouchedValues());
    // Without its folder the file cannot be read either, and the report says so.
    EXPECT_EQ(LoadSettings(state, std::nullopt).error.problem,
              orvane::platform::FileProblem::NoProgramFolder);
}

enum class Entry { Folder, Fifo, LinkToDevice, LinkToFolder };

class NoRegularFile : public testing::TestWithParam<Entry> {};

// Each of these would block or read without end if it were opened as a file; the watchdog in
// loadFrom fails the test when loading does not return.
TEST_P(NoRegularFile, loadWhereTheFileIsNoRegularFile_readsNothingAndReturns) {
    const ScratchFolder folder;
    const std::filesystem::path path = folder.path() / "SETTINGS.TXT";
    switch (GetParam()) {
        case Entry::Folder:
            ASSERT_TRUE(std::filesystem::create_directory(path));
            writeFile(path / "JOB=inside", "JOB=inside\r\n");
            break;
#ifndef _WIN32
        case Entry::Fifo:
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
            break;
        case Entry::LinkToDevice:
            std::filesystem::create_symlink("/dev/zero", path);
            break;
        case Entry::LinkToFolder:
            std::filesystem::create_directory_symlink(folder.path(), path);
            break;
#endif
        default:
            GTEST_SKIP() << "a Linux file system's entry";
    }
    EXPECT_EQ(loadFrom(folder), untouchedValues());
}

// Links and reparse points on Windows are tested with the Win32 backend's files.
#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Entries, NoRegularFile, testing::Values(Entry::Folder));
#else
INSTANTIATE_TEST_SUITE_P(Entries, NoRegularFile,
                         testing::Values(Entry::Folder, Entry::Fifo, Entry::LinkToDevice,
                                         Entry::LinkToFolder));
#endif

TEST(LoadSettings, loadRandomBytes_staysWithinLimitsAndAppliesTheLinesAfter) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(128 << 10, '\0');  // within the read limit
    for (char& b : bytes) {
        b = static_cast<char>(byte(random));
    }
    bytes += "\nJOB=after the noise\r\nHIGH ALARM=42\r\n";

    const ScratchFolder folder;
    writeFile(folder.path() / "SETTINGS.TXT", bytes);
    FakeEditorState state(untouchedValues());
    LoadSettings(state, folder.path().u16string());
    EXPECT_TRUE(state.withinLimits());
    EXPECT_EQ(state.values().job, u"after the noise");
    EXPECT_EQ(state.values().highAlarm, 42);
}

}  // namespace
