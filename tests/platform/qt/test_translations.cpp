// The message boxes' buttons in the desktop's language, from Qt's own translations.

#include <QAbstractButton>
#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_translations.h"

namespace {

// The closing question's buttons as shown, without their keyboard marks.
QStringList closingButtons() {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
            texts << box->button(button)->text().remove(QLatin1Char('&'));
        }
        QTest::keyClick(box, Qt::Key_Escape);
    });
    orvane::platform::qt::QtDialogs().ask(u"Speichern?", u"Verlassen");
    return texts;
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void desktopLanguage_givesTheBoxesButtonsInIt_data();
    void desktopLanguage_givesTheBoxesButtonsInIt();
    void withoutTranslations_buttonsStayEnglish();
};

void TranslationsTest::desktopLanguage_givesTheBoxesButtonsInIt_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("German") << "de_DE" << QStringList{"Ja", "Nein", "Abbrechen"};
    QTest::newRow("Dutch") << "nl_NL" << QStringList{"Ja", "Nee", "Annuleren"};
}

void TranslationsTest::desktopLanguage_givesTheBoxesButtonsInIt() {
    QFETCH(QString, locale);
    QFETCH(QStringList, buttons);
    QTranslator* translator = orvane::platform::qt::installQtTranslations(
        QLocale(locale), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QVERIFY2(translator != nullptr, "Qt's translations (qt6-translations-l10n) are not installed");
    QCOMPARE(closingButtons(), buttons);
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

void TranslationsTest::withoutTranslations_buttonsStayEnglish() {
    const QTemporaryDir empty;
    QVERIFY(orvane::platform::qt::installQtTranslations(QLocale("de_DE"), empty.path()) == nullptr);
    QCOMPARE(closingButtons(), (QStringList{"Yes", "No", "Cancel"}));
}

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
