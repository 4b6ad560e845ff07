// The two picture buttons on a window without a toolkit, in both builds: the DATA folder where the
// shell says it is a folder, else the program's folder, with one separator also in a root folder;
// the product page; a beep when nothing could be started. Each backend's tests keep the routes
// that press a button and its shell's own folder test.

#include <gtest/gtest.h>

#include "support/fake_window.h"
#include "ui/form1_design.h"
#include "ui/product_page.h"

namespace {

using orvane::test::FakeEditor;

#ifdef _WIN32
const std::u16string kRoot = u"C:\\";
const std::u16string kSeparator = u"\\";
#else
const std::u16string kRoot = u"/";
const std::u16string kSeparator = u"/";
#endif

struct FolderCase {
    const char* name;
    std::u16string programFolder;
    bool hasData;
    std::u16string opened;
};

std::vector<FolderCase> folderRows() {
    const std::u16string& root = kRoot;
    const std::u16string quoted = root + u"my \"PM\" 'tools'";
    const std::u16string shellWords = root + u"a;b & $(c)";
    const std::u16string spaced = root + u"pm data";
    return {
        {"DATA folder present", root + u"prog", true, root + u"prog" + kSeparator + u"DATA"},
        {"no DATA", root + u"prog", false, root + u"prog"},
        {"spaces and quotes", quoted, true, quoted + kSeparator + u"DATA"},
        {"semicolons and dollars", shellWords, true, shellWords + kSeparator + u"DATA"},
        {"spaces, no DATA", spaced, false, spaced},
        {"root folder with DATA", root, true, root + u"DATA"},
        {"root folder without DATA", root, false, root},
    };
}

class DataFolderButton : public testing::TestWithParam<FolderCase> {};

TEST_P(DataFolderButton, click_opensTheDataFolderOrTheProgramFolder) {
    FakeEditor editor;
    editor.shell.directories.emplace();
    if (GetParam().hasData) {
        editor.shell.directories->insert(GetParam().opened);
    }
    editor.start(GetParam().programFolder);
    editor.window().click(orvane::form1::kCommand1);
    EXPECT_EQ(editor.shell.openedFolders, std::vector<std::u16string>{GetParam().opened})
        << GetParam().name;
    EXPECT_TRUE(editor.shell.openedAddresses.empty());
    EXPECT_EQ(editor.shell.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Folders, DataFolderButton, testing::ValuesIn(folderRows()));

TEST(Launchers, globeButton_opensTheProductPage) {
    FakeEditor editor;
    editor.start();
    editor.window().click(orvane::form1::kCommand2);
    EXPECT_EQ(editor.shell.openedAddresses,
              std::vector<std::u16string>{std::u16string(orvane::kProductPageAddress)});
    EXPECT_TRUE(editor.shell.openedFolders.empty());
    EXPECT_EQ(editor.shell.beeps, 0);
}

TEST(Launchers, launchFailure_beepsAndCarriesOn) {
    FakeEditor editor;
    orvane::Form1& form = editor.start();
    editor.shell.launchSucceeds = false;
    editor.window().click(orvane::form1::kCommand1);
    editor.window().click(orvane::form1::kCommand2);
    EXPECT_EQ(editor.shell.beeps, 2);
    EXPECT_TRUE(editor.window().isVisible());
    EXPECT_TRUE(form.setHighAlarm(5));  // still working
}

TEST(Launchers, withoutAProgramFolder_theFolderButtonOnlyBeeps) {
    FakeEditor editor;
    editor.start(std::nullopt);
    editor.window().click(orvane::form1::kCommand1);
    EXPECT_TRUE(editor.shell.openedFolders.empty());
    EXPECT_EQ(editor.shell.beeps, 1);
}

}  // namespace
