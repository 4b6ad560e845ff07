// SETTINGS.TXT written from the editor: exactly the seven lines, nothing else left in the folder, a
// failure told with its reason and the old file kept, and on Linux the file's permissions kept.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/shared/utf8.h"
#include "settings/settings_file.h"
#include "settings_checks.h"

namespace {

using orvane::SaveSettings;
using orvane::platform::encodeUtf8;
using orvane::platform::FileError;
using orvane::platform::FileProblem;
using orvane::test::entriesOf;
using orvane::test::FakeEditorState;
using orvane::test::readFile;
using orvane::test::ScratchFolder;
using orvane::test::SettingValues;
using orvane::test::writeFile;

const SettingValues kTypical{u"Line 7 north", 80, 20, {u"+441234567", u"0612", u"112"}, 2};
const std::string kTypicalBytes =
    "JOB=Line 7 north\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+441234567\r\nGSM2=0612\r\n"
    "GSM3=112\r\nLANGUAGE=2\r\n";
const std::string kOldBytes =
    "JOB=old\r\nHIGH ALARM=90\r\nLOW ALARM=5\r\nGSM1=999\r\nGSM2=\r\n"
    "GSM3=\r\nLANGUAGE=1\r\n" +
    std::string(4000, ' ');

struct Saved {
    const char* name;
    SettingValues values;
    std::string expected;
};

std::vector<Saved> savedRows() {
    return {
        {"typical", kTypical, kTypicalBytes},
        {"empty texts, lowest values", SettingValues{u"", 0, 0, {u"", u"", u""}, -1},
         "JOB=\r\nHIGH ALARM=0\r\nLOW ALARM=0\r\nGSM1=\r\nGSM2=\r\nGSM3=\r\nLANGUAGE=-1\r\n"},
        {"full fields, highest values",
         SettingValues{
             std::u16string(64, u'J'),
             100,
             100,
             {std::u16string(16, u'1'), std::u16string(16, u'2'), std::u16string(16, u'3')},
             3},
         "JOB=" + std::string(64, 'J') + "\r\nHIGH ALARM=100\r\nLOW ALARM=100\r\nGSM1=" +
             std::string(16, '1') + "\r\nGSM2=" + std::string(16, '2') +
             "\r\nGSM3=" + std::string(16, '3') + "\r\nLANGUAGE=3\r\n"},
        {"code page", SettingValues{u"Café €5 ™ ½", 9, 1, {u"£1", u"", u"é"}, 0},
         "JOB=Caf\xE9 \x80"
         "5 \x99 \xBD\r\nHIGH ALARM=9\r\nLOW ALARM=1\r\nGSM1=\xA3"
         "1\r\nGSM2=\r\nGSM3=\xE9\r\nLANGUAGE=0\r\n"},
        {"texts as they are",
         SettingValues{u" \"quoted\" JOB=x; \\n ", 7, 3, {u"=1", u"+44 (0) 61", u"\t"}, 1},
         "JOB= \"quoted\" JOB=x; \\n \r\nHIGH ALARM=7\r\nLOW ALARM=3\r\nGSM1==1\r\n"
         "GSM2=+44 (0) 61\r\nGSM3=\t\r\nLANGUAGE=1\r\n"},
    };
}

class SavedFile : public testing::TestWithParam<Saved> {};

TEST_P(SavedFile, save_writesExactlyTheSevenLinesAndNoOtherFile) {
    const ScratchFolder folder;
    const std::filesystem::path path = folder.path() / "SETTINGS.TXT";
    const FakeEditorState state(GetParam().values);
    ASSERT_EQ(state.values(), GetParam().values);

    const FileError created = SaveSettings(state, folder.path().u16string());
    ASSERT_FALSE(created.failed()) << encodeUtf8(created.reason);
    EXPECT_EQ(readFile(path), GetParam().expected);

    // Over a longer file nothing of the old one may remain.
    writeFile(path, kOldBytes);
    const FileError replaced = SaveSettings(state, folder.path().u16string());
    ASSERT_FALSE(replaced.failed()) << encodeUtf8(replaced.reason);
    EXPECT_EQ(readFile(path), GetParam().expected);
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"SETTINGS.TXT"});
}

INSTANTIATE_TEST_SUITE_P(Rows, SavedFile, testing::ValuesIn(savedRows()));

enum class Failure {
    SettingsIsFolder,
    MissingFolder,
    FileSizeLimit,
    ReadOnlyFolder,
    JobOutsideCodePage,
    SmsOutsideCodePage,
    LineBreakInText,
};

#ifndef _WIN32
// Writing more than a few bytes to any file fails as on a full disk, until the end of the scope.
class FileSizeLimit {
  public:
    FileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = 4;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        // Without this the process would be killed instead of the write failing.
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return ok_; }

  private:
    rlimit saved_{};
    bool ok_ = false;
    void (*savedHandler_)(int) = nullptr;
};

class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(std::filesystem::path path) : path_(std::move(path)) {
        ok_ = chmod(path_.c_str(), 0555) == 0;
    }
    ~ReadOnlyFolder() { chmod(path_.c_str(), 0755); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool ok() const { return ok_; }

  private:
    std::filesystem::path path_;
    bool ok_ = false;
};

mode_t modeOf(const std::filesystem::path& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return 0;
    }
    return status.st_mode & 07777;
}

mode_t currentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}
#endif

struct Failed {
    const char* name;
    Failure failure;
    FileProblem problem;
    std::u16string_view key;  // the key a value problem names
};

class FailedSave : public testing::TestWithParam<Failed> {};

TEST_P(FailedSave, saveThatFails_givesAReasonAndKeepsTheOldFile) {
    const Failure failure = GetParam().failure;
#ifndef _WIN32
    if (failure == Failure::ReadOnlyFolder && geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
#endif
    const ScratchFolder root;
    const std::filesystem::path program = root.path() / "program";
    const std::filesystem::path path = program / "SETTINGS.TXT";
    if (failure != Failure::MissingFolder) {
        ASSERT_TRUE(std::filesystem::create_directory(program));
    }
    if (failure == Failure::SettingsIsFolder) {
        ASSERT_TRUE(std::filesystem::create_directory(path));
        writeFile(path / "inside.txt", kOldBytes);
    } else if (failure != Failure::MissingFolder) {
        writeFile(path, kOldBytes);
    }

    SettingValues values = kTypical;
    if (failure == Failure::JobOutsideCodePage) {
        values.job = u"Pump \u0100";
    } else if (failure == Failure::SmsOutsideCodePage) {
        values.sms[2] = u"\u260E 112";
    } else if (failure == Failure::LineBreakInText) {
        values.job = u"Line 7\r\nLANGUAGE=3";
    }
    const FakeEditorState state(values);
    const std::vector<std::string> rootBefore = entriesOf(root.path());
    const std::vector<std::string> programBefore = entriesOf(program);

    FileError result;
#ifndef _WIN32
    if (failure == Failure::FileSizeLimit) {
        const FileSizeLimit limit;
        ASSERT_TRUE(limit.ok());
        result = SaveSettings(state, program.u16string());
    } else if (failure == Failure::ReadOnlyFolder) {
        const ReadOnlyFolder readOnly(program);
        ASSERT_TRUE(readOnly.ok());
        result = SaveSettings(state, program.u16string());
    } else
#endif
    {
        result = SaveSettings(state, program.u16string());
    }

    EXPECT_EQ(result.problem, GetParam().problem);
    const std::u16string& reason = result.reason;
    std::cout << "Reason given: " << encodeUtf8(reason) << '\n';
    // The program's own reasons are told from the problem and the key; only the system's come as
    // words.
    if (GetParam().problem == FileProblem::Described) {
        EXPECT_NE(reason.find_first_not_of(u" \t\r\n"), std::u16string::npos);
    } else {
        EXPECT_EQ(reason, GetParam().key);
    }
    EXPECT_EQ(entriesOf(root.path()), rootBefore);
    EXPECT_EQ(entriesOf(program), programBefore);
    if (failure == Failure::SettingsIsFolder) {
        EXPECT_TRUE(std::filesystem::is_directory(path));
        EXPECT_EQ(entriesOf(path), std::vector<std::string>{"inside.txt"});
        EXPECT_EQ(readFile(path / "inside.txt"), kOldBytes);
    } else if (failure != Failure::MissingFolder) {
        EXPECT_EQ(readFile(path), kOldBytes);
    }
}

std::vector<Failed> failedRows() {
    std::vector<Failed> rows = {
        {"SETTINGS.TXT is a folder", Failure::SettingsIsFolder, FileProblem::NotRegularFile, u""},
        {"program folder missing", Failure::MissingFolder, FileProblem::Described, u""},
        {"job outside the code page", Failure::JobOutsideCodePage,
         FileProblem::CharacterNotInCodePage, u"JOB"},
        {"SMS number outside the code page", Failure::SmsOutsideCodePage,
         FileProblem::CharacterNotInCodePage, u"GSM3"},
        {"line break in a text", Failure::LineBreakInText, FileProblem::LineBreakInValue, u"JOB"},
    };
#ifndef _WIN32
    rows.push_back({"file size limit", Failure::FileSizeLimit, FileProblem::Described, u""});
    rows.push_back({"read-only folder", Failure::ReadOnlyFolder, FileProblem::NoPermission, u""});
#endif
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Failures, FailedSave, testing::ValuesIn(failedRows()));

#ifndef _WIN32
class KeptMode : public testing::TestWithParam<mode_t> {};

TEST_P(KeptMode, saveOverAFile_keepsItsPermissions) {
    const ScratchFolder folder;
    const std::filesystem::path path = folder.path() / "SETTINGS.TXT";
    writeFile(path, kOldBytes);
    ASSERT_EQ(chmod(path.c_str(), GetParam()), 0);

    const FileError result = SaveSettings(FakeEditorState(kTypical), folder.path().u16string());
    ASSERT_FALSE(result.failed()) << encodeUtf8(result.reason);
    EXPECT_EQ(readFile(path), kTypicalBytes);
    EXPECT_EQ(modeOf(path), GetParam());
}

// Owner only, group reads, others read but the group not.
INSTANTIATE_TEST_SUITE_P(Modes, KeptMode, testing::Values(0600, 0640, 0604));

TEST(SaveSettings, saveANewFile_givesItTheUsualPermissions) {
    const ScratchFolder folder;
    const FileError result = SaveSettings(FakeEditorState(kTypical), folder.path().u16string());
    ASSERT_FALSE(result.failed()) << encodeUtf8(result.reason);
    EXPECT_EQ(modeOf(folder.path() / "SETTINGS.TXT"), static_cast<mode_t>(0666 & ~currentUmask()));
}
#endif

}  // namespace
