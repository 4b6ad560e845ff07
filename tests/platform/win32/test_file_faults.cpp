// Failures the system reports while SETTINGS.TXT is written, made to happen on purpose: each one
// is a failed save with its reason, with the old file left byte for byte and nothing beside it.

#include <gtest/gtest.h>

#include "platform/file_access.h"
#include "platform/win32/system_error.h"
#include "platform/win32/windows_api.h"
#include "support/injected_fault.h"
#include "support/scratch_folder.h"

namespace {

using orvane::test::Fault;
using orvane::test::InjectedFaults;
using orvane::test::SystemCall;

constexpr std::string_view kOldFile = "JOB=old\r\nHIGH ALARM=80\r\n";
constexpr std::string_view kNewFile = "JOB=new\r\nHIGH ALARM=20\r\n";

using orvane::platform::FileProblem;

orvane::platform::FileError inTheSystemsWords(DWORD error) {
    return orvane::platform::describedError(orvane::platform::win32::systemMessage(error));
}

class SaveFault : public testing::Test {
  protected:
    std::filesystem::path settings() const { return folder.path() / "SETTINGS.TXT"; }
    orvane::platform::FileError save() const {
        return orvane::platform::replaceFile(settings().u16string(), kNewFile);
    }

    orvane::test::ScratchFolder folder;
};

struct FailedCall {
    const char* name;
    Fault fault;
    bool oldFile;  // a file to replace; otherwise the new one is moved into an empty place
    orvane::platform::FileError reported;
    std::string_view left = kOldFile;  // what SETTINGS.TXT holds afterwards; empty for no file
};

class FailedSave : public SaveFault, public testing::WithParamInterface<FailedCall> {};

TEST_P(FailedSave, save_failsWithTheReasonAndLeavesTheOldFileAlone) {
    if (GetParam().oldFile) {
        orvane::test::writeFile(settings(), kOldFile);
    }
    const InjectedFaults faults{GetParam().fault};
    EXPECT_EQ(save(), GetParam().reported);
    if (GetParam().left.empty()) {
        EXPECT_TRUE(folder.entries().empty());
    } else {
        EXPECT_EQ(orvane::test::readFile(settings()), GetParam().left);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"SETTINGS.TXT"});
    }
}

// The common failures of a removable medium come in the program's own words. The second flush is
// that of the file in place: its failure says that the save may not last. After
// ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 the old file was moved to the backup name; once it is
// back, the words are those of the old file keeping its name.
INSTANTIATE_TEST_SUITE_P(
    Calls, FailedSave,
    testing::Values(
        FailedCall{"write", {SystemCall::Write, ERROR_DISK_FULL}, true, {FileProblem::MediumFull}},
        FailedCall{"write_handle_disk_full",
                   {SystemCall::Write, ERROR_HANDLE_DISK_FULL},
                   true,
                   {FileProblem::MediumFull}},
        FailedCall{"write_crc", {SystemCall::Write, ERROR_CRC}, true, {FileProblem::InputOutput}},
        FailedCall{"flush", {SystemCall::Flush, ERROR_NOT_READY}, true, {FileProblem::MediumGone}},
        FailedCall{"flush_device_gone",
                   {SystemCall::Flush, ERROR_DEV_NOT_EXIST},
                   true,
                   {FileProblem::MediumGone}},
        FailedCall{"flush_in_place",
                   {SystemCall::Flush, ERROR_WRITE_PROTECT, 2},
                   true,
                   {FileProblem::WriteProtected},
                   kNewFile},
        FailedCall{"close",
                   {SystemCall::Close, ERROR_NETNAME_DELETED},
                   true,
                   inTheSystemsWords(ERROR_NETNAME_DELETED)},
        FailedCall{"replace",
                   {SystemCall::Replace, ERROR_UNABLE_TO_REMOVE_REPLACED},
                   true,
                   inTheSystemsWords(ERROR_UNABLE_TO_REMOVE_REPLACED)},
        FailedCall{"replace_after_moving_the_old_file_aside",
                   {SystemCall::Replace, ERROR_UNABLE_TO_MOVE_REPLACEMENT_2},
                   true,
                   inTheSystemsWords(ERROR_UNABLE_TO_MOVE_REPLACEMENT)},
        FailedCall{"move_into_an_empty_place",
                   {SystemCall::Move, ERROR_ACCESS_DENIED},
                   false,
                   {FileProblem::NoPermission},
                   {}},
        FailedCall{"move_name_taken",
                   {SystemCall::Move, ERROR_ALREADY_EXISTS},
                   false,
                   {FileProblem::NameTaken},
                   {}}),
    [](const testing::TestParamInfo<FailedCall>& row) { return std::string(row.param.name); });

TEST_F(SaveFault, oldFileThatCannotBeMovedBack_staysUnderItsBackupNameWhichTheErrorNames) {
    orvane::test::writeFile(settings(), kOldFile);
    const InjectedFaults faults{{SystemCall::Replace, ERROR_UNABLE_TO_MOVE_REPLACEMENT_2},
                                {SystemCall::Move, ERROR_ACCESS_DENIED}};
    const orvane::platform::FileError result = save();
    const std::vector<std::string> entries = folder.entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(orvane::test::readFile(folder.path() / entries[0]), kOldFile);
    EXPECT_EQ(result,
              orvane::platform::describedError(
                  orvane::platform::win32::systemMessage(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) +
                  u"\n" + (folder.path() / entries[0]).u16string()));
}

}  // namespace
