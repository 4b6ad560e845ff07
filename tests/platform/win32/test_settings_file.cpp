// SETTINGS.TXT through the Windows file layer where only it can go wrong: entries a save refuses
// (the read-only attribute, links and junctions) and the attributes it keeps, device names, long
// paths, the system's words and the program's folder. What the settings file holds, read and
// written, is tested once in tests/settings, which the build also runs under a Polish and a
// Russian code page.

#include <gtest/gtest.h>

#include <array>

#include "platform/file_access.h"
#include "platform/shared/paths.h"
#include "platform/shared/utf8.h"
#include "platform/win32/long_path.h"
#include "platform/win32/system_error.h"
#include "platform/win32/windows_api.h"
#include "settings/fake_editor_state.h"
#include "settings/settings_file.h"
#include "support/links.h"
#include "support/scratch_folder.h"
#include "support/wine.h"

namespace {

using orvane::platform::FileProblem;
using orvane::test::FakeEditorState;
using orvane::test::ScratchFolder;

std::string readAll(orvane::platform::ByteReader& reader) {
    std::string bytes;
    std::array<char, 7> buffer{};  // small, so that a read rarely takes the whole file
    while (const std::size_t got = reader.read(buffer).size) {
        bytes.append(buffer.data(), got);
    }
    return bytes;
}

DWORD attributesOf(const std::filesystem::path& path) {
    return GetFileAttributesW(path.c_str());
}

class SettingsFile : public testing::Test {
  protected:
    std::filesystem::path settings() const { return folder.path() / "SETTINGS.TXT"; }

    ScratchFolder folder;
};

// Everything in `folder`, not following links: each entry's name and attributes, and a file's
// bytes.
std::string treeOf(const std::filesystem::path& folder) {
    std::string tree;
    for (const std::string& name : orvane::test::entriesOf(folder)) {
        const auto path = folder / name;
        const DWORD attributes = attributesOf(path);
        tree += name + " " + std::to_string(attributes) + "\n";
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            continue;
        }
        tree += (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? treeOf(path)
                                                             : orvane::test::readFile(path) + "\n";
    }
    return tree;
}

using MakeEntry = std::string (*)(const std::filesystem::path& folder,
                                  const std::filesystem::path& settings);

struct Refused {
    const char* name;
    // Puts the entry in the file's place; why not, when this system cannot.
    MakeEntry make;
    orvane::platform::FileProblem problem;
};

std::string readOnlyFile(const std::filesystem::path&, const std::filesystem::path& settings) {
    orvane::test::writeFile(settings, "JOB=old\r\n");
    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY);
    return {};
}

std::string linkToAFile(const std::filesystem::path& folder,
                        const std::filesystem::path& settings) {
    orvane::test::writeFile(folder / "elsewhere.txt", "JOB=old\r\n");
    return orvane::test::makeSymbolicLink(settings, folder / "elsewhere.txt");
}

std::string junctionToAFolder(const std::filesystem::path& folder,
                              const std::filesystem::path& settings) {
    std::filesystem::create_directory(folder / "elsewhere");
    orvane::test::writeFile(folder / "elsewhere" / "SETTINGS.TXT", "JOB=old\r\n");
    return orvane::test::makeJunction(settings, folder / "elsewhere");
}

class EntryInTheFilesPlace : public SettingsFile, public testing::WithParamInterface<Refused> {};

TEST_P(EntryInTheFilesPlace, save_isRefusedWithItsReasonAndLeavesEverythingAsItWas) {
    if (const std::string why = GetParam().make(folder.path(), settings()); !why.empty()) {
        GTEST_SKIP() << why;
    }
    const std::string before = treeOf(folder.path());
    const auto result = orvane::SaveSettings(FakeEditorState(), folder.path().u16string());
    EXPECT_EQ(result, (orvane::platform::FileError{GetParam().problem, {}}));
    EXPECT_EQ(treeOf(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryInTheFilesPlace,
    testing::Values(Refused{"read_only_file", readOnlyFile, FileProblem::ReadOnly},
                    Refused{"symbolic_link", linkToAFile, FileProblem::Link},
                    Refused{"junction", junctionToAFolder, FileProblem::Link}),
    [](const testing::TestParamInfo<Refused>& row) { return std::string(row.param.name); });

TEST_F(SettingsFile, saveOverAHiddenFile_replacesItAndKeepsItHidden) {
    if (orvane::test::underWine()) {
        GTEST_SKIP() << "Wine's ReplaceFileW keeps none of the replaced file's attributes";
    }
    orvane::test::writeFile(settings(), "JOB=old\r\n");
    ASSERT_TRUE(SetFileAttributesW(settings().c_str(), FILE_ATTRIBUTE_HIDDEN));
    const auto result = orvane::platform::replaceFile(settings().u16string(), "JOB=new\r\n");
    ASSERT_FALSE(result.failed());
    EXPECT_EQ(orvane::test::readFile(settings()), "JOB=new\r\n");
    EXPECT_NE(attributesOf(settings()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"SETTINGS.TXT"});
}

TEST_F(SettingsFile, openARegularFile_readsItWhole) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) {
        bytes += static_cast<char>(i % 251);
    }
    orvane::test::writeFile(settings(), bytes);
    const auto file = orvane::platform::openRegularFile(settings().u16string());
    ASSERT_NE(file.reader, nullptr);
    EXPECT_EQ(readAll(*file.reader), bytes);
}

struct NotRead {
    const char* name;
    std::u16string path;
    bool inTestFolder;  // the path is relative to the test's folder
    bool exists;
    FileProblem problem;
};

class NameThatIsNoRegularFile : public SettingsFile, public testing::WithParamInterface<NotRead> {};

TEST_P(NameThatIsNoRegularFile, open_readsNothingAndSaysWhy) {
    const std::u16string path =
        GetParam().inTestFolder ? (folder.path() / GetParam().path).u16string() : GetParam().path;
    const auto file = orvane::platform::openRegularFile(path);
    EXPECT_EQ(file.reader, nullptr);
    EXPECT_EQ(file.exists, GetParam().exists);
    EXPECT_EQ(file.error.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameThatIsNoRegularFile,
    testing::Values(
        NotRead{"missing", u"missing.txt", true, false, FileProblem::None},
        NotRead{"in_a_missing_folder", u"missing\\SETTINGS.TXT", true, false, FileProblem::None},
        NotRead{"device_name", u"NUL", false, true, FileProblem::NotRegularFile},
        NotRead{"device_path", u"\\\\.\\NUL", false, true, FileProblem::NotRegularFile}),
    [](const testing::TestParamInfo<NotRead>& row) { return std::string(row.param.name); });

struct PathForms {
    const char* name;
    std::u16string path;
    std::wstring longForm;    // as the file functions get it
    std::u16string userForm;  // the long form as the user is shown it
};

class LongPath : public testing::TestWithParam<PathForms> {};

// Wine takes paths beyond MAX_PATH without the prefix as well, so only here is it seen.
TEST_P(LongPath, longPath_isTheFullPathWithThePrefixAndUserPathTakesItOff) {
    const std::wstring made = orvane::platform::win32::longPath(GetParam().path);
    EXPECT_EQ(made, GetParam().longForm);
    EXPECT_EQ(orvane::platform::win32::userPath(made), GetParam().userForm);
}

const std::u16string kLongName(300, u'a');

INSTANTIATE_TEST_SUITE_P(
    Paths, LongPath,
    testing::Values(
        PathForms{"drive", u"C:\\a\\.\\b\\..\\c/SETTINGS.TXT", L"\\\\?\\C:\\a\\c\\SETTINGS.TXT",
                  u"C:\\a\\c\\SETTINGS.TXT"},
        PathForms{
            "beyond_max_path", u"C:\\" + kLongName + u"\\SETTINGS.TXT",
            L"\\\\?\\C:\\" + std::wstring(kLongName.begin(), kLongName.end()) + L"\\SETTINGS.TXT",
            u"C:\\" + kLongName + u"\\SETTINGS.TXT"},
        PathForms{"network", u"\\\\server\\share\\SETTINGS.TXT",
                  L"\\\\?\\UNC\\server\\share\\SETTINGS.TXT", u"\\\\server\\share\\SETTINGS.TXT"},
        PathForms{"already_long", u"\\\\?\\C:\\a\\..\\b", L"\\\\?\\C:\\a\\..\\b", u"C:\\a\\..\\b"},
        PathForms{"device", u"NUL", L"\\\\.\\NUL", u"\\\\.\\NUL"}),
    [](const testing::TestParamInfo<PathForms>& row) { return std::string(row.param.name); });

// A run under another code page names it, so that a locale Wine could not use shows.
TEST(SystemCodePage, inARunUnderAnotherCodePage_isThatOne) {
    std::array<wchar_t, 8> named{};
    if (GetEnvironmentVariableW(L"ORVANE_ANSI_CODE_PAGE", named.data(), named.size()) == 0) {
        GTEST_SKIP() << "a run under the system's own code page";
    }
    EXPECT_EQ(std::to_wstring(GetACP()), named.data());
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
    const std::optional<std::u16string> found = orvane::platform::programFolder();
    ASSERT_TRUE(found.has_value());
    const std::filesystem::path folder(*found);
    std::array<wchar_t, MAX_PATH> module{};
    GetModuleFileNameW(nullptr, module.data(), MAX_PATH);
    const auto name = std::filesystem::path(module.data()).filename();
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / name));
}

}  // namespace
