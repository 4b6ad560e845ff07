#include "i18n/caption_table.h"

#include <stdexcept>
#include <string_view>
#include <utility>

#include "i18n/languages.h"

namespace orvane {
namespace {

static_assert(kLanguageCount <= CaptionTable::kLanguages, "every language has its column");

// Slot by slot, in each language; the columns after the last language stay empty.
constexpr std::array<Texts, 9> kCaptionTexts = {{
    {u"Language", u"langue", u"Sprache", u"taal"},
    {u"High pressure alarm", u"Alarme de haute pression", u"Hochdruck-alarm", u"Hoge druk alarm"},
    {u"Low pressure alarm", u"Alarme de basse pression", u"Niederdruck-alarm", u"Lage druk alarm"},
    {u"Job description", u"Description du poste", u"Job-beschreibung", u"Functiebeschrijving"},
    {u"SMS Number 1", u"Numéro SMS 1", u"SMS-Nummer 1", u"SMS nummer 1"},
    {u"SMS Number 2", u"Numéro SMS 2", u"SMS-Nummer 2", u"SMS nummer 2"},
    {u"SMS Number 3", u"Numéro SMS 3", u"SMS-Nummer 3", u"SMS nummer 3"},
    {u"Exit settings editor", u"Quitter éditeur de paramètres", u"Verlassen settings editor",
     u"af te sluiten Settings Editor"},
    {u"Save the settings before you exit?", u"Enregistrer les paramètres avant de quitter?",
     u"Speichern Sie die Einstellungen, bevor Sie verlassen?",
     u"Sla de instellingen op voordat u afsluiten?"},
}};

constexpr int kHighAlarmSlot = 1;
constexpr int kLowAlarmSlot = 2;

// " (55Pa)"
std::u16string alarmSuffix(std::int16_t value) {
    std::u16string suffix = u" (";
    for (const char digit : std::to_string(value)) {
        suffix += static_cast<char16_t>(digit);
    }
    suffix += u"Pa)";
    return suffix;
}

}  // namespace

CaptionTable::CaptionTable() {
    for (int slot = 0; slot < static_cast<int>(kCaptionTexts.size()); ++slot) {
        for (int language = 0; language < kLanguageCount; ++language) {
            entries_[place(language, slot)] =
                kCaptionTexts[static_cast<std::size_t>(slot)][static_cast<std::size_t>(language)];
        }
    }
}

void CaptionTable::rebuild(std::int16_t highAlarm, std::int16_t lowAlarm) {
    const std::array<std::pair<int, std::int16_t>, 2> alarms = {
        {{kHighAlarmSlot, highAlarm}, {kLowAlarmSlot, lowAlarm}}};
    for (const auto& [slot, value] : alarms) {
        const std::u16string suffix = alarmSuffix(value);
        for (int language = 0; language < kLanguageCount; ++language) {
            std::u16string& text = entries_[place(language, slot)];
            text =
                kCaptionTexts[static_cast<std::size_t>(slot)][static_cast<std::size_t>(language)];
            text += suffix;
        }
    }
}

const std::u16string& CaptionTable::entry(int language, int slot) const {
    if (language < 0 || language >= kLanguages || slot < 0 || slot >= kSlots) {
        throw std::out_of_range("caption table entry outside its 5 columns and 10 slots");
    }
    return entries_[place(language, slot)];
}

// Column-fastest: the slots of one language lie kLanguages apart.
std::size_t CaptionTable::place(int language, int slot) {
    return static_cast<std::size_t>(slot) * kLanguages + static_cast<std::size_t>(language);
}

int CaptionTable::columnFor(int languageIndex) {
    return languageColumn(languageIndex);
}

void RefreshCaptions(const EditorState& state, CaptionTable& table, FrameCaptions& frames) {
    table.rebuild(state.highAlarm(), state.lowAlarm());
    LabelFrames(state, table, frames);
}

void LabelFrames(const EditorState& state, const CaptionTable& table, FrameCaptions& frames) {
    const int column = CaptionTable::columnFor(state.languageIndex());
    for (int frame = 0; frame < FrameCaptions::kFrameCount; ++frame) {
        frames.setFrameCaption(frame, table.entry(column, frame));
    }
}

}  // namespace orvane
