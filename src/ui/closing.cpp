// The closing prompt: whatever closes the window, the user is asked in the window's language
// whether to save first.

#include "i18n/save_failure.h"
#include "settings/settings_file.h"
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
    const platform::ReplaceResult saved = SaveSettings(*this, services_.programFolder);
    if (saved.ok) {
        return false;
    }
    // The window stays open with its values, so the user can mend the cause and close again.
    const std::u16string path = settingsFilePath(services_.programFolder);
    services_.dialogs.warn(saveFailureMessage(column, path, saved.reason), title);
    return true;
}

}  // namespace orvane
