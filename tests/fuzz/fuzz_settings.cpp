// Feeds arbitrary bytes to the settings file reader as the contents of SETTINGS.TXT and checks
// what must hold for any file: the values stay within the editor's limits, the way the bytes are
// split into reads does not matter, and whatever was loaded saves and loads back the same.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/shared/code_page.h"
#include "settings/fake_editor_state.h"
#include "settings/line_reader.h"
#include "settings/memory_byte_reader.h"
#include "settings/number.h"
#include "settings/setting_keys.h"
#include "settings/setting_line.h"
#include "settings/settings_file.h"

namespace {

using orvane::test::FakeEditorState;
using orvane::test::MemoryByteReader;
using orvane::test::SettingValues;

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

SettingValues load(std::string_view bytes, std::size_t pieceSize, const SettingValues& before) {
    FakeEditorState state(before);
    MemoryByteReader source(bytes, pieceSize);
    orvane::ValuesNotApplied notApplied;
    orvane::ReadSettings(state, source, notApplied);
    require(state.withinLimits(), "values within limits");
    return state.values();
}

void checkValueLookup(std::u16string_view line) {
    for (const orvane::SettingKey& key : orvane::kSettingKeys) {
        const std::u16string value = orvane::GetSettingValue(line, key.key);
        require(value.empty() || (line.size() == key.key.size() + value.size() &&
                                  line.substr(key.key.size()) == value),
                "a value is the rest of its line");
    }
}

void checkNumber(std::u16string_view text) {
    const std::optional<std::int16_t> number = orvane::ToInt16(text);
    if (number) {
        const std::string digits = std::to_string(*number);
        require(orvane::ToInt16(std::u16string(digits.begin(), digits.end())) == number,
                "a converted number converts back from its digits");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SettingValues before = orvane::test::untouchedValues();

    const SettingValues loaded = load(bytes, orvane::LineReader::kChunkBytes, before);
    const std::size_t pieceSize = size == 0 ? 1 : 1 + data[0] % 61;
    require(load(bytes, pieceSize, before) == loaded, "reads of any size load the same");

    // Every loaded text came from the code page and holds no line end, so it can be saved.
    const orvane::EncodedSettings file = orvane::EncodeSettings(FakeEditorState(loaded));
    require(!file.problem.failed(), "loaded values can be saved");
    const SettingValues other{u"other job", 1, 2, {u"4", u"5", u"6"}, 3};
    require(load(file.bytes, orvane::LineReader::kChunkBytes, other) ==
                orvane::test::valuesAfterLoading(loaded, other),
            "saved values load back");

    const std::u16string text = orvane::platform::decodeCodePage(bytes.substr(0, 200));
    checkValueLookup(text);
    checkNumber(text);
    return 0;
}
