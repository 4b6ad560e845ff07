#pragma once

#include <array>
#include <string>

#include "core/editor_state.h"

namespace orvane {

// The window's frames, titled from the caption table: Frame(0) to Frame(6) of its layout.
class FrameCaptions {
  public:
    static constexpr int kFrameCount = 7;
    virtual void setFrameCaption(int frame, std::u16string_view caption) = 0;

  protected:
    ~FrameCaptions() = default;
};

// Every text the editor shows in four languages: 5 language columns (0 English, 1 French,
// 2 German, 3 Dutch; column 4 unused) by 10 slots, stored column-fastest.
class CaptionTable {
  public:
    static constexpr int kLanguages = 5;
    static constexpr int kSlots = 10;
    static constexpr int kExitTitleSlot = 7;
    static constexpr int kExitQuestionSlot = 8;

    CaptionTable();

    // Puts the given values into the two alarm captions; no other entry ever changes.
    void rebuild(std::int16_t highAlarm, std::int16_t lowAlarm);

    // Throws std::out_of_range outside 0 <= language < kLanguages and 0 <= slot < kSlots.
    const std::u16string& entry(int language, int slot) const;

    // The column that shows a language index: its own for 0 to 3, English for any other
    // (-1 when no language is selected), as for every text (languageColumn, i18n/languages.h).
    static int columnFor(int languageIndex);

  private:
    static std::size_t place(int language, int slot);

    std::array<std::u16string, std::size_t{kLanguages} * kSlots> entries_;
};

// Rebuilds the table from the state's alarms and relabels the seven frames in the state's language.
void RefreshCaptions(const EditorState& state, CaptionTable& table, FrameCaptions& frames);

// Relabels the seven frames from the table as it stands, in the state's language.
void LabelFrames(const EditorState& state, const CaptionTable& table, FrameCaptions& frames);

}  // namespace orvane
