// The file access's rules that both backends share: where a path's folder ends, which entries a
// save refuses to replace, and the names of the files it makes on the way.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/shared/paths.h"
#include "platform/shared/replace_rules.h"

namespace {

using orvane::platform::ExistingEntry;
using orvane::platform::FileProblem;

TEST(PathParts, splitPath_keepsRootsWhole) {
    struct Case {
        std::u16string_view path, folder, name;
    };
    const Case cases[] = {
#ifdef _WIN32
        {u"C:\\Tools\\Orvane\\orvane-pm.exe", u"C:\\Tools\\Orvane", u"orvane-pm.exe"},
        {u"C:\\orvane-pm.exe", u"C:\\", u"orvane-pm.exe"},
        {u"\\\\server\\share\\orvane-pm.exe", u"\\\\server\\share", u"orvane-pm.exe"},
        {u"E:/PM/SETTINGS.TXT", u"E:/PM", u"SETTINGS.TXT"},
        {u"\\SETTINGS.TXT", u"\\", u"SETTINGS.TXT"},
#else
        {u"/opt/orvane/orvane-pm", u"/opt/orvane", u"orvane-pm"},
        {u"/orvane-pm", u"/", u"orvane-pm"},
        {u"C:/PM/SETTINGS.TXT", u"C:/PM", u"SETTINGS.TXT"},  // no drives on Linux
        {u"C:\\SETTINGS.TXT", u"", u"C:\\SETTINGS.TXT"},     // nor backslashes
        {u"pm/SETTINGS.TXT (deleted)", u"pm", u"SETTINGS.TXT (deleted)"},
#endif
        {u"SETTINGS.TXT", u"", u"SETTINGS.TXT"},
    };
    for (const Case& row : cases) {
        const orvane::platform::PathParts parts = orvane::platform::splitPath(row.path);
        EXPECT_EQ(parts.folder, row.folder);
        EXPECT_EQ(parts.name, row.name);
    }
}

TEST(ReplaceRefusal, replaceRefusal_refusesLinksOtherEntriesAndReadOnlyFiles) {
    const std::pair<ExistingEntry, FileProblem> cases[] = {
        {{false, true, false}, FileProblem::None},
        {{true, true, false}, FileProblem::Link},  // a link to a regular file
        {{true, false, true}, FileProblem::Link},
        {{false, false, false}, FileProblem::NotRegularFile},
        {{false, false, true}, FileProblem::NotRegularFile},
        {{false, true, true}, FileProblem::ReadOnly},
    };
    for (const auto& [entry, problem] : cases) {
        EXPECT_EQ(orvane::platform::replaceRefusal(entry).problem, problem);
    }
}

// A FAT volume that keeps only short names cuts every other name to eight and three characters.
TEST(TemporaryName, temporaryName_isAShortNameThatNeverRepeats) {
    const std::string first = orvane::platform::temporaryName(4321);
    const std::string second = orvane::platform::temporaryName(4321);
    EXPECT_NE(first, second);
    for (const std::string& name : {first, second}) {
        EXPECT_EQ(name.size(), 12u) << name;
        EXPECT_TRUE(name.ends_with(".TMP")) << name;
        EXPECT_EQ(name.find_first_not_of("0123456789ABCDEFMP"), 8u) << name;
    }
}

}  // namespace
