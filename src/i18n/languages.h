#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace orvane {

// The languages of the monitor and of the window, in the order of Combo1's list, of the language
// index in SETTINGS.TXT and of the caption table's columns: 0 English, 1 French, 2 German, 3 Dutch.
inline constexpr int kLanguageCount = 4;

// Each language in its own words, as Combo1 lists them.
inline constexpr std::array<std::u16string_view, kLanguageCount> kLanguageNames = {
    u"English", u"Français", u"Deutsch", u"Nederlands"};

// One text in each language, in the order above.
using Texts = std::array<std::u16string_view, kLanguageCount>;

// The column that shows a language index: its own for each language, English for any other
// (-1 when no language is selected).
constexpr int languageColumn(int languageIndex) {
    return languageIndex >= 0 && languageIndex < kLanguageCount ? languageIndex : 0;
}

// The text for a language index, English outside the languages.
constexpr std::u16string_view textIn(const Texts& texts, int languageIndex) {
    return texts[static_cast<std::size_t>(languageColumn(languageIndex))];
}

}  // namespace orvane
