// Random values saved and loaded again come back as they were saved, but empty texts, which leave
// their fields alone.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/shared/code_page.h"
#include "platform/shared/utf8.h"
#include "settings/settings_file.h"
#include "settings_checks.h"

namespace {

using orvane::test::FakeEditorState;
using orvane::test::SettingValues;
using orvane::test::untouchedValues;
using orvane::test::valuesAfterLoading;

// Every character the code page holds but the NUL and line ends, which no text field can contain.
std::u16string codePageCharacters() {
    std::u16string characters;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const char16_t character = static_cast<char16_t>(c);
        const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
        const bool lineEnd = c == u'\r' || c == u'\n';
        if (c != 0 && !surrogate && !lineEnd &&
            orvane::platform::codePageHolds(std::u16string_view(&character, 1))) {
            characters += character;
        }
    }
    return characters;
}

class RandomSettings {
  public:
    explicit RandomSettings(std::uint32_t seed) : random_(seed) {}

    SettingValues next() {
        SettingValues values;
        values.job = text(codePage_, 70);
        values.highAlarm = number(0, 100);
        values.lowAlarm = number(0, 100);
        for (std::u16string& sms : values.sms) {
            sms = chance(4) ? text(codePage_, 20) : text(u"+0123456789 ", 18);
        }
        values.language = number(-1, 3);
        return values;
    }

  private:
    bool chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }

    std::int16_t number(int min, int max) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(min, max)(random_));
    }

    // Empty one time in eight; may be longer than the field, which the state then cuts.
    std::u16string text(std::u16string_view characters, int longest) {
        if (chance(8)) {
            return {};
        }
        std::uniform_int_distribution<std::size_t> pick(0, characters.size() - 1);
        std::u16string result(
            static_cast<std::size_t>(std::uniform_int_distribution<int>(1, longest)(random_)),
            u' ');
        for (char16_t& c : result) {
            c = characters[pick(random_)];
        }
        return result;
    }

    std::mt19937 random_;
    const std::u16string codePage_ = codePageCharacters();
};

TEST(SettingsRoundTrip, saveThenLoadRandomSettings_givesBackWhatWasSaved) {
    const orvane::test::ScratchFolder folder;
    const std::u16string program = folder.path().u16string();
    RandomSettings settings(0x5e771265);
    int emptyTexts = 0;
    for (int round = 0; round < 500; ++round) {
        const FakeEditorState saved(settings.next());
        const orvane::platform::FileError result = orvane::SaveSettings(saved, program);
        ASSERT_FALSE(result.failed()) << orvane::platform::encodeUtf8(result.reason);

        FakeEditorState loaded(untouchedValues());
        orvane::LoadSettings(loaded, program);
        ASSERT_EQ(loaded.values(), valuesAfterLoading(saved.values(), untouchedValues()));
        emptyTexts += saved.values().job.empty() ? 1 : 0;
    }
    // The random texts must have covered the case that leaves a field alone.
    EXPECT_GT(emptyTexts, 0);
}

}  // namespace
