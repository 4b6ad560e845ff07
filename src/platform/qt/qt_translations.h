#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

namespace orvane::platform::qt {

// Qt's own texts, the buttons of the message boxes among them ("Ja", "Nein", "Abbrechen"), in the
// language of `locale`, from Qt's translations in `folder`. The translator, owned by the
// application, or nothing where they are not installed: the buttons then stay in English.
QTranslator* installQtTranslations(const QLocale& locale, const QString& folder);

// The same for the desktop's language, from the folder Qt was built to look in (on Debian, the
// package qt6-translations-l10n puts them there).
QTranslator* installQtTranslations();

}  // namespace orvane::platform::qt
