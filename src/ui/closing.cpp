// The closing prompt: whatever closes the window, the user is asked in the window's language
// whether to save first.

#include "i18n/file_messages.h"
#include "settings/settings_file.h"
#include "settings/settings_path.h"
#include "ui/form1.h"

namespace orvane {

bool Form1::Form_QueryUnload() {
    // With no language selected the question is asked in English.
    const int column = CaptionTable::columnFor(languageIndex());
    const std::u16string& title = captions_.entry(column, CaptionTable::kExitTitleSlot);
    const std::u16string& question = captions_.entry(column, CaptionTable::kExitQuestionSlot);
    switch (services_.dialogs.ask(question, title)) {
        case platform::Answer::Yes:
            break;
        case platform::Answer::No:
            return false;
        case platform::Answer::Cancel:
            return true;
    }
    // Another program's change to the file is replaced only when the user says so.
    if (mayHaveChanged(loadedFile_, SnapshotSettingsFile(services_.programFolder)) &&
        !services_.dialogs.confirm(changedOnDiskQuestion(column), title)) {
        return true;
    }
    const platform::FileError error = SaveSettings(*this, services_.programFolder);
    if (!error.failed()) {
        return false;
    }
    // The window stays open with its values, so the user can mend the cause and close again.
    services_.dialogs.warn(
        saveFailureMessage(column, shownSettingsFilePath(services_.programFolder), error), title);
    return true;
}

void Form1::rememberLoadedFile(const SettingsFileSnapshot& file) {
    loadedFile_ = file;
}

void Form1::warnIncompleteLoad(const platform::FileError& error) {
    const int column = CaptionTable::columnFor(languageIndex());
    services_.dialogs.warn(
        partialReadMessage(column, shownSettingsFilePath(services_.programFolder), error),
        caption_);
}

void Form1::warnValuesNotApplied(const ValuesNotApplied& notApplied) {
    const int column = CaptionTable::columnFor(languageIndex());
    std::u16string keys;
    for (const Setting setting : notApplied.settings) {
        const std::u16string_view key = kSettingKeys.at(static_cast<std::size_t>(setting)).key;
        keys += keys.empty() ? u"" : u", ";
        keys += key.substr(0, key.size() - 1);  // without its "="
    }
    if (notApplied.unreadableText) {
        keys = unreadableTextReason(column);
    }
    services_.dialogs.warn(
        notAppliedMessage(column, shownSettingsFilePath(services_.programFolder), keys), caption_);
}

}  // namespace orvane
