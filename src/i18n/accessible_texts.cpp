#include "i18n/accessible_texts.h"

#include <array>

#include "i18n/languages.h"

namespace orvane {
namespace {

constexpr Texts kDataFolderName = {u"DATA folder", u"Dossier DATA", u"DATA-Ordner", u"DATA-map"};
constexpr Texts kProductPageName = {u"Product web page", u"Page web du produit", u"Produktwebseite",
                                    u"Productwebpagina"};

constexpr std::array<Texts, 7> kDescriptions = {{
    {u"Language of the monitor and of this window", u"Langue du moniteur et de cette fenêtre",
     u"Sprache des Geräts und dieses Fensters", u"Taal van de monitor en van dit venster"},
    {u"Pressure in pascal above which the monitor raises the alarm, 0 to 100",
     u"Pression en pascals au-dessus de laquelle le moniteur donne l'alarme, de 0 à 100",
     u"Druck in Pascal, über dem das Gerät Alarm gibt, 0 bis 100",
     u"Druk in pascal waarboven de monitor alarm geeft, 0 tot 100"},
    {u"Pressure in pascal below which the monitor raises the alarm, 0 to 100",
     u"Pression en pascals au-dessous de laquelle le moniteur donne l'alarme, de 0 à 100",
     u"Druck in Pascal, unter dem das Gerät Alarm gibt, 0 bis 100",
     u"Druk in pascal waaronder de monitor alarm geeft, 0 tot 100"},
    {u"Free text about the job, up to 64 characters",
     u"Texte libre sur le poste, 64 caractères au plus",
     u"Freier Text zum Auftrag, höchstens 64 Zeichen",
     u"Vrije tekst over de opdracht, hoogstens 64 tekens"},
    {u"Phone number that receives the alarm messages, up to 16 characters",
     u"Numéro de téléphone qui reçoit les messages d'alarme, 16 caractères au plus",
     u"Telefonnummer, die die Alarmmeldungen erhält, höchstens 16 Zeichen",
     u"Telefoonnummer dat de alarmberichten ontvangt, hoogstens 16 tekens"},
    {u"Opens the DATA folder beside the program in the file browser",
     u"Ouvre le dossier DATA du programme dans l'explorateur de fichiers",
     u"Öffnet den DATA-Ordner neben dem Programm im Dateimanager",
     u"Opent de DATA-map naast het programma in de bestandsbeheerder"},
    {u"Opens the product's web page in the web browser",
     u"Ouvre la page web du produit dans le navigateur",
     u"Öffnet die Webseite des Produkts im Browser",
     u"Opent de webpagina van het product in de browser"},
}};

}  // namespace

std::u16string_view accessibleName(AccessibleControl control, int column) {
    switch (control) {
        case AccessibleControl::DataFolderButton:
            return textIn(kDataFolderName, column);
        case AccessibleControl::ProductPageButton:
            return textIn(kProductPageName, column);
        default:
            return {};
    }
}

std::u16string_view accessibleDescription(AccessibleControl control, int column) {
    return textIn(kDescriptions[static_cast<std::size_t>(control)], column);
}

}  // namespace orvane
