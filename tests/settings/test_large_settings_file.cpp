// A SETTINGS.TXT far larger than the editor reads: only its beginning is applied, and the load
// says so. How quickly the window comes for such files is measured in bench/, not here.

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/settings_file.h"
#include "settings_checks.h"

namespace {

using orvane::test::FakeEditorState;
using orvane::test::untouchedValues;

TEST(LargeSettingsFile, loadAFileBeyondTheReadLimit_appliesOnlyTheWholeLinesBeforeIt) {
    const orvane::test::ScratchFolder folder;
    const std::filesystem::path path = folder.path() / "SETTINGS.TXT";
    orvane::test::writeFile(path, "LOW ALARM=33\r\nHIGH ALARM=7");
    // 10 GB without taking the disk space: the rest reads as zero bytes, all on the second line.
    std::filesystem::resize_file(path, std::uintmax_t{10} << 30);

    FakeEditorState state(untouchedValues());
    const orvane::LoadReport report = orvane::LoadSettings(state, folder.path().u16string());

    EXPECT_EQ(report.error.problem, orvane::platform::FileProblem::TooLarge);
    EXPECT_TRUE(report.file.exists);
    EXPECT_EQ(report.file.size, std::uint64_t{10} << 30);
    EXPECT_EQ(state.values().lowAlarm, 33);
    EXPECT_EQ(state.values().highAlarm, untouchedValues().highAlarm);
    EXPECT_EQ(state.values().job, untouchedValues().job);
}

}  // namespace
