#include "platform/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace orvane::platform::qt {

QTranslator* installQtTranslations(const QLocale& locale, const QString& folder) {
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator.release();  // owned by the application from here on
}

QTranslator* installQtTranslations() {
    return installQtTranslations(QLocale::system(),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace orvane::platform::qt
