// Failures the system reports while SETTINGS.TXT is written, made to happen on purpose: each one
// is a failed save in the system's words, with the old file left byte for byte and nothing beside
// it.

#include <gtest/gtest.h>

#include "platform/file_access.h"
#include "platform/win32/system_error.h"
#include "platform/win32/windows_api.h"
#include "support/injected_fault.h"
#include "support/temporary_folder.h"

namespace {

using orvane::test::Fault;
using orvane::test::InjectedFaults;
using orvane::test::SystemCall;

constexpr std::string_view kOldFile = "JOB=old\r\nHIGH ALARM=80\r\n";
constexpr std::string_view kNewFile = "JOB=new\r\nHIGH ALARM=20\r\n";

orvane::platform::FileError inTheSystemsWords(DWORD error) {
    return orvane::platform::win32::systemError(error);
}

class SaveFault : public testing::Test {
  protected:
    std::filesystem::path settings() const { return folder.path() / "SETTINGS.TXT"; }
    orvane::platform::FileError save() const {
        return orvane::platform::replaceFile(settings().u16string(), kNewFile);
    }

    orvane::test::TemporaryFolder folder;
};

struct FailedCall {
    const char* name;
    Fault fault;
    bool oldFile;    // a file to replace; otherwise the new one is moved into an empty place
    DWORD reported;  // the error whose words the user is given
};

class FailedSave : public SaveFault, public testing::WithParamInterface<FailedCall> {};

TEST_P(FailedSave, save_failsInTheSystemsWordsAndLeavesTheOldFileAlone) {
    if (GetParam().oldFile) {
        orvane::test::writeBytes(settings(), kOldFile);
    }
    const InjectedFaults faults{GetParam().fault};
    EXPECT_EQ(save(), inTheSystemsWords(GetParam().reported));
    if (GetParam().oldFile) {
        EXPECT_EQ(orvane::test::readBytes(settings()), kOldFile);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"SETTINGS.TXT"});
    } else {
        EXPECT_TRUE(folder.entries().empty());
    }
}

// ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 comes after the old file was moved to the backup name; once
// it is back, the words are those of the old file keeping its name.
INSTANTIATE_TEST_SUITE_P(
    Calls, FailedSave,
    testing::Values(
        FailedCall{"write", {SystemCall::Write, ERROR_DISK_FULL}, true, ERROR_DISK_FULL},
        FailedCall{"flush", {SystemCall::Flush, ERROR_NOT_READY}, true, ERROR_NOT_READY},
        FailedCall{
            "close", {SystemCall::Close, ERROR_NETNAME_DELETED}, true, ERROR_NETNAME_DELETED},
        FailedCall{"replace",
                   {SystemCall::Replace, ERROR_UNABLE_TO_REMOVE_REPLACED},
                   true,
                   ERROR_UNABLE_TO_REMOVE_REPLACED},
        FailedCall{"replace_after_moving_the_old_file_aside",
                   {SystemCall::Replace, ERROR_UNABLE_TO_MOVE_REPLACEMENT_2},
                   true,
                   ERROR_UNABLE_TO_MOVE_REPLACEMENT},
        FailedCall{"move_into_an_empty_place",
                   {SystemCall::Move, ERROR_ACCESS_DENIED},
                   false,
                   ERROR_ACCESS_DENIED}),
    [](const testing::TestParamInfo<FailedCall>& row) { return std::string(row.param.name); });

TEST_F(SaveFault, oldFileThatCannotBeMovedBack_staysUnderItsBackupNameWhichTheErrorNames) {
    orvane::test::writeBytes(settings(), kOldFile);
    const InjectedFaults faults{{SystemCall::Replace, ERROR_UNABLE_TO_MOVE_REPLACEMENT_2},
                                {SystemCall::Move, ERROR_ACCESS_DENIED}};
    const orvane::platform::FileError result = save();
    const std::vector<std::string> entries = folder.entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(orvane::test::readBytes(folder.path() / entries[0]), kOldFile);
    EXPECT_EQ(result,
              orvane::platform::describedError(
                  orvane::platform::win32::systemMessage(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) +
                  u"\n" + (folder.path() / entries[0]).u16string()));
}

}  // namespace
