#include "app/start_up.h"

#include "i18n/languages.h"
#include "platform/shared/code_page.h"
#include "settings/settings_file.h"
#include "ui/form1_design.h"

namespace orvane {
namespace {

// "Orvane", the trade mark sign (code 153 of the 8-bit code page) and " PM".
std::u16string windowCaption() {
    return u"Orvane" + platform::decodeCodePage("\x99") + u" PM";
}

}  // namespace

std::unique_ptr<Form1> Main(const platform::Services& services) {
    auto form = std::make_unique<Form1>(services);
    platform::Window& window = form->window();
    form->setCaption(windowCaption());
    for (int position = 0; position < kLanguageCount; ++position) {
        window.addItem(form1::kCombo1, position,
                       kLanguageNames[static_cast<std::size_t>(position)]);
    }
    form->setLanguageIndex(0);
    const LoadReport loaded = LoadSettings(*form, services.programFolder);
    form->rememberLoadedFile(loaded.file);
    form->refreshCaptions();
    form->show();
    if (loaded.error.failed()) {
        form->warnIncompleteLoad(loaded.error);
    }
    if (loaded.notApplied.any()) {
        form->warnValuesNotApplied(loaded.notApplied);
    }
    return form;
}

}  // namespace orvane
