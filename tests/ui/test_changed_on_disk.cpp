// SETTINGS.TXT changed, created or deleted by another program while the window is open, on a
// window without a toolkit, in both builds: Yes to "save before you exit?" first asks, in the
// window's language, whether to replace that change.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>

#include "i18n/caption_table.h"
#include "i18n/file_messages.h"
#include "support/fake_window.h"
#ifdef _WIN32
#include "support/injected_fault.h"
#else
#include "platform/posix/injected_fault.h"
#endif

namespace {

using orvane::platform::Answer;
using orvane::test::FakeEditor;

// Every read of a file fails while it stands, as on a failing card.
class ReadFailure {
#ifdef _WIN32
    orvane::test::InjectedFaults faults_{{orvane::test::SystemCall::Read, ERROR_CRC}};
#else
    orvane::test::InjectedFault fault_{orvane::test::SystemCall::Read, 1, EIO};
#endif
};

enum class Change { None, Modified, Created, Deleted, SameBytes, PastReadLimit, Unreadable };

const std::string kStartFile = "LANGUAGE=2\r\nHIGH ALARM=80\r\n";
const std::string kOtherProgramsFile = "LANGUAGE=2\r\nHIGH ALARM=81\r\n";  // the same size
const std::string kSavedFile =
    "JOB=\r\nHIGH ALARM=70\r\nLOW ALARM=0\r\nGSM1=\r\nGSM2=\r\nGSM3=\r\nLANGUAGE=3\r\n";
const std::string kLargeFile = kStartFile + std::string(300 << 10, 'x');  // past the read limit
const std::string kLargeFileChanged = kLargeFile.substr(0, kLargeFile.size() - 1) + 'y';

struct Changed {
    Change change;
    bool replace;
    bool asked;
    std::string file;  // empty: no file
};

class ChangedOnDisk : public testing::TestWithParam<Changed> {};

TEST_P(ChangedOnDisk, save_fileChangedByAnotherProgram_asksBeforeReplacingIt) {
    const Change change = GetParam().change;
    FakeEditor editor;
    if (change != Change::Created) {
        editor.writeSettings(change == Change::PastReadLimit ? kLargeFile : kStartFile);
        // An hour old, so that any later write shows.
        std::filesystem::last_write_time(
            editor.settingsPath(),
            std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    std::optional<ReadFailure> unreadable;
    if (change == Change::Unreadable) {
        unreadable.emplace();
    }
    orvane::Form1& form = editor.start();
    unreadable.reset();
    ASSERT_TRUE(form.setHighAlarm(70));
    ASSERT_TRUE(form.setLanguageIndex(3));
    if (change == Change::Modified || change == Change::Created || change == Change::Unreadable) {
        editor.writeSettings(kOtherProgramsFile);
    } else if (change == Change::SameBytes || change == Change::PastReadLimit) {
        editor.writeSettings(change == Change::SameBytes ? kStartFile : kLargeFileChanged);
    } else if (change == Change::Deleted) {
        ASSERT_TRUE(std::filesystem::remove(editor.settingsPath()));
    }
    if (change == Change::Unreadable) {
        unreadable.emplace();
    }

    editor.dialogs.answers = {Answer::Yes};
    editor.dialogs.confirmations = {GetParam().replace};
    const bool closed = editor.window().close();
    unreadable.reset();

    ASSERT_EQ(editor.dialogs.confirmQuestions.size(), GetParam().asked ? 1u : 0u);
    if (GetParam().asked) {
        EXPECT_EQ(editor.dialogs.confirmQuestions[0].text, orvane::changedOnDiskQuestion(3));
        EXPECT_EQ(editor.dialogs.confirmQuestions[0].title,
                  orvane::CaptionTable().entry(3, orvane::CaptionTable::kExitTitleSlot));
    }
    EXPECT_EQ(closed, !GetParam().asked || GetParam().replace);
    EXPECT_EQ(std::filesystem::exists(editor.settingsPath()), !GetParam().file.empty());
    EXPECT_EQ(editor.readSettings(), GetParam().file);
    const bool readWhole = change != Change::PastReadLimit && change != Change::Unreadable;
    EXPECT_EQ(editor.dialogs.warnings.size(), readWhole ? 0u : 1u);  // the start-up box
    EXPECT_EQ(editor.folder().entries(), GetParam().file.empty()
                                             ? std::vector<std::string>{}
                                             : std::vector<std::string>{"SETTINGS.TXT"});
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedOnDisk,
    testing::Values(Changed{Change::None, false, false, kSavedFile},
                    Changed{Change::Modified, false, true, kOtherProgramsFile},
                    Changed{Change::Modified, true, true, kSavedFile},
                    Changed{Change::Created, false, true, kOtherProgramsFile},
                    Changed{Change::Created, true, true, kSavedFile},
                    Changed{Change::Deleted, false, true, ""},
                    Changed{Change::Deleted, true, true, kSavedFile},
                    Changed{Change::SameBytes, false, false, kSavedFile},
                    Changed{Change::PastReadLimit, false, true, kLargeFileChanged},
                    Changed{Change::Unreadable, false, true, kOtherProgramsFile}));

}  // namespace
