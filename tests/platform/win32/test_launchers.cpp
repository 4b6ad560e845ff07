// The route by which a click presses the two picture buttons of the real window, with a recording
// shell, and the Windows shell's own folder test (a hidden or system DATA folder does not count)
// and failure report. Which folder and address the buttons open: tests/ui.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include "platform/win32/win32_shell.h"
#include "support/win32_editor.h"
#include "ui/form1_design.h"
#include "ui/product_page.h"

namespace {

using namespace orvane::form1;
using orvane::platform::ControlId;
using orvane::test::Win32Editor;

enum class DataEntry { None, Folder, File };

struct FolderCase {
    DataEntry data;
    bool opensData;
};

class DataFolderButton : public testing::TestWithParam<FolderCase> {};

TEST_P(DataFolderButton, click_opensTheDataFolderOnlyWhereItIsAFolder) {
    Win32Editor editor;
    const auto data = editor.folder().path() / "DATA";
    if (GetParam().data == DataEntry::Folder) {
        std::filesystem::create_directory(data);
    } else if (GetParam().data == DataEntry::File) {
        orvane::test::writeFile(data, "not a folder");
    }
    editor.start();
    SendMessageW(editor.control(kCommand1), BM_CLICK, 0, 0);
    ASSERT_EQ(editor.shell.openedFolders.size(), 1u);
    EXPECT_EQ(editor.shell.openedFolders[0],
              GetParam().opensData ? data.u16string() : editor.folder().path().u16string());
    EXPECT_EQ(editor.shell.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Entries, DataFolderButton,
                         testing::Values(FolderCase{DataEntry::Folder, true}));

TEST(ProductPageButton, click_opensTheAddressAndBeepsWhenNothingStarts) {
    Win32Editor editor;
    editor.start();
    SendMessageW(editor.control(kCommand2), BM_CLICK, 0, 0);
    EXPECT_EQ(editor.shell.openedAddresses,
              std::vector<std::u16string>{std::u16string(orvane::kProductPageAddress)});
    EXPECT_EQ(editor.shell.beeps, 0);
    editor.shell.launchSucceeds = false;
    SendMessageW(editor.control(kCommand2), BM_CLICK, 0, 0);
    SendMessageW(editor.control(kCommand1), BM_CLICK, 0, 0);
    EXPECT_EQ(editor.shell.beeps, 2);
}

struct ShellEntry {
    const char* name;
    DataEntry data;
    DWORD attributes;  // set on the entry; 0 for none
    bool counts;
};

class Win32ShellFolder : public testing::TestWithParam<ShellEntry> {};

TEST_P(Win32ShellFolder, isDirectory_countsOnlyAFolderTheUserCanSee) {
    orvane::platform::win32::Win32Toolkit toolkit;
    orvane::platform::win32::Win32Shell shell(toolkit);
    orvane::test::ScratchFolder folder;
    const auto data = folder.path() / "DATA";
    if (GetParam().data == DataEntry::Folder) {
        ASSERT_TRUE(std::filesystem::create_directory(data));
    } else if (GetParam().data == DataEntry::File) {
        orvane::test::writeFile(data, "not a folder");
    }
    if (GetParam().attributes != 0) {
        ASSERT_TRUE(SetFileAttributesW(data.c_str(), GetParam().attributes));
        ASSERT_NE(GetFileAttributesW(data.c_str()) & GetParam().attributes, 0u);
    }
    EXPECT_EQ(shell.isDirectory(data.u16string()), GetParam().counts);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Win32ShellFolder,
    testing::Values(ShellEntry{"folder", DataEntry::Folder, 0, true},
                    ShellEntry{"hidden_folder", DataEntry::Folder, FILE_ATTRIBUTE_HIDDEN, false},
                    ShellEntry{"system_folder", DataEntry::Folder, FILE_ATTRIBUTE_SYSTEM, false},
                    ShellEntry{"file", DataEntry::File, 0, false},
                    ShellEntry{"missing", DataEntry::None, 0, false}),
    [](const testing::TestParamInfo<ShellEntry>& row) { return std::string(row.param.name); });

TEST(Win32Shell, openAMissingFolder_reportsThatNothingOpened) {
    orvane::platform::win32::Win32Toolkit toolkit;
    orvane::platform::win32::Win32Shell shell(toolkit);
    orvane::test::ScratchFolder folder;
    EXPECT_FALSE(shell.openFolder((folder.path() / "no such folder").u16string()));
}

}  // namespace
