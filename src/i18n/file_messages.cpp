#include "i18n/file_messages.h"

#include "i18n/languages.h"

namespace orvane {
namespace {

constexpr Texts kNotSaved = {
    u"The settings could not be saved.",
    u"Les paramètres n'ont pas pu être enregistrés.",
    u"Die Einstellungen konnten nicht gespeichert werden.",
    u"De instellingen konden niet worden opgeslagen.",
};

constexpr Texts kNotReadCompletely = {
    u"The settings could not be read completely.",
    u"Les paramètres n'ont pas pu être lus entièrement.",
    u"Die Einstellungen konnten nicht vollständig gelesen werden.",
    u"De instellingen konden niet volledig worden gelezen.",
};

constexpr Texts kNotApplied = {
    u"Some values in SETTINGS.TXT could not be used as they are; check them before you save.",
    u"Certaines valeurs de SETTINGS.TXT n'ont pas pu être reprises telles quelles; vérifiez-les "
    u"avant d'enregistrer.",
    u"Einige Werte aus SETTINGS.TXT konnten nicht unverändert übernommen werden; prüfen Sie sie "
    u"vor dem Speichern.",
    u"Sommige waarden uit SETTINGS.TXT konden niet ongewijzigd worden overgenomen; controleer ze "
    u"voordat u opslaat.",
};

constexpr Texts kUnreadableText = {
    u"The file is text in a form the editor does not read (UTF-32).",
    u"Le fichier est un texte sous une forme que l'éditeur ne lit pas (UTF-32).",
    u"Die Datei ist Text in einer Form, die der Editor nicht liest (UTF-32).",
    u"Het bestand is tekst in een vorm die de editor niet leest (UTF-32).",
};

constexpr Texts kChangedOnDisk = {
    u"SETTINGS.TXT has been changed by another program since it was opened. Replace it with the "
    u"values shown here?",
    u"SETTINGS.TXT a été modifié par un autre programme depuis son ouverture. Le remplacer par les "
    u"valeurs affichées ici?",
    u"SETTINGS.TXT wurde seit dem Öffnen von einem anderen Programm geändert. Durch die hier "
    u"angezeigten Werte ersetzen?",
    u"SETTINGS.TXT is sinds het openen door een ander programma gewijzigd. Vervangen door de hier "
    u"getoonde waarden?",
};

constexpr Texts kNoProgramFolder = {
    u"The program's folder could not be found.",
    u"Le dossier du programme est introuvable.",
    u"Der Ordner des Programms wurde nicht gefunden.",
    u"De map van het programma is niet gevonden.",
};

constexpr Texts kLink = {
    u"SETTINGS.TXT is a link, not a file of its own.",
    u"SETTINGS.TXT est un lien, pas un fichier à part entière.",
    u"SETTINGS.TXT ist eine Verknüpfung, keine eigene Datei.",
    u"SETTINGS.TXT is een koppeling, geen eigen bestand.",
};

constexpr Texts kNotRegularFile = {
    u"SETTINGS.TXT is not a regular file.",
    u"SETTINGS.TXT n'est pas un fichier ordinaire.",
    u"SETTINGS.TXT ist keine gewöhnliche Datei.",
    u"SETTINGS.TXT is geen gewoon bestand.",
};

constexpr Texts kReadOnly = {
    u"SETTINGS.TXT is read-only.",
    u"SETTINGS.TXT est en lecture seule.",
    u"SETTINGS.TXT ist schreibgeschützt.",
    u"SETTINGS.TXT is alleen-lezen.",
};

constexpr Texts kTooLarge = {
    u"SETTINGS.TXT is too large to be read whole; only its beginning was read.",
    u"SETTINGS.TXT est trop grand pour être lu en entier; seul son début a été lu.",
    u"SETTINGS.TXT ist zu groß, um ganz gelesen zu werden; nur der Anfang wurde gelesen.",
    u"SETTINGS.TXT is te groot om helemaal te lezen; alleen het begin is gelezen.",
};

constexpr Texts kModeNotKept = {
    u"The special permissions of SETTINGS.TXT (setuid, setgid) could not be kept.",
    u"Les permissions spéciales de SETTINGS.TXT (setuid, setgid) n'ont pas pu être conservées.",
    u"Die besonderen Rechte von SETTINGS.TXT (setuid, setgid) konnten nicht erhalten werden.",
    u"De bijzondere rechten van SETTINGS.TXT (setuid, setgid) konden niet behouden blijven.",
};

constexpr Texts kWriteProtected = {
    u"The medium is write-protected or read-only.",
    u"Le support est protégé en écriture ou en lecture seule.",
    u"Der Datenträger ist schreibgeschützt.",
    u"De gegevensdrager is beveiligd tegen schrijven of alleen-lezen.",
};

constexpr Texts kMediumFull = {
    u"The medium is full.",
    u"Le support est plein.",
    u"Der Datenträger ist voll.",
    u"De gegevensdrager is vol.",
};

constexpr Texts kNoPermission = {
    u"The system refused access to the file or its folder.",
    u"Le système a refusé l'accès au fichier ou à son dossier.",
    u"Das System hat den Zugriff auf die Datei oder ihren Ordner verweigert.",
    u"Het systeem heeft de toegang tot het bestand of de map geweigerd.",
};

constexpr Texts kMediumGone = {
    u"The medium has been removed or is not ready.",
    u"Le support a été retiré ou n'est pas prêt.",
    u"Der Datenträger wurde entfernt oder ist nicht bereit.",
    u"De gegevensdrager is verwijderd of niet gereed.",
};

constexpr Texts kNameTaken = {
    u"An entry of that name exists already.",
    u"Une entrée de ce nom existe déjà.",
    u"Ein Eintrag dieses Namens ist bereits vorhanden.",
    u"Er bestaat al een item met die naam.",
};

constexpr Texts kInputOutput = {
    u"The medium could not be read or written (input/output error).",
    u"Le support n'a pas pu être lu ou écrit (erreur d'entrée/sortie).",
    u"Der Datenträger konnte nicht gelesen oder beschrieben werden (Ein-/Ausgabefehler).",
    u"De gegevensdrager kon niet worden gelezen of beschreven (invoer-/uitvoerfout).",
};

// "%1" stands for the value's key.
constexpr Texts kLineBreakInValue = {
    u"The value of %1 contains a line break, which cannot be written to SETTINGS.TXT.",
    u"La valeur de %1 contient un saut de ligne, qui ne peut pas être écrit dans SETTINGS.TXT.",
    u"Der Wert von %1 enthält einen Zeilenumbruch, der nicht in SETTINGS.TXT geschrieben werden "
    u"kann.",
    u"De waarde van %1 bevat een regeleinde, dat niet in SETTINGS.TXT kan worden geschreven.",
};

constexpr Texts kCharacterNotInCodePage = {
    u"The value of %1 contains a character that cannot be written to SETTINGS.TXT.",
    u"La valeur de %1 contient un caractère qui ne peut pas être écrit dans SETTINGS.TXT.",
    u"Der Wert von %1 enthält ein Zeichen, das nicht in SETTINGS.TXT geschrieben werden kann.",
    u"De waarde van %1 bevat een teken dat niet in SETTINGS.TXT kan worden geschreven.",
};

std::u16string withKey(std::u16string_view text, std::u16string_view key) {
    std::u16string filled(text);
    filled.replace(filled.find(u"%1"), 2, key);
    return filled;
}

std::u16string message(std::u16string_view sentence, std::u16string_view path,
                       std::u16string_view reason) {
    std::u16string text(sentence);
    text += u"\n\n";
    text += path;
    text += u"\n";
    text += reason;
    return text;
}

}  // namespace

std::u16string fileProblemText(const platform::FileError& error, int column) {
    switch (error.problem) {
        case platform::FileProblem::NoProgramFolder:
            return std::u16string(textIn(kNoProgramFolder, column));
        case platform::FileProblem::Link:
            return std::u16string(textIn(kLink, column));
        case platform::FileProblem::NotRegularFile:
            return std::u16string(textIn(kNotRegularFile, column));
        case platform::FileProblem::ReadOnly:
            return std::u16string(textIn(kReadOnly, column));
        case platform::FileProblem::TooLarge:
            return std::u16string(textIn(kTooLarge, column));
        case platform::FileProblem::ModeNotKept:
            return std::u16string(textIn(kModeNotKept, column));
        case platform::FileProblem::WriteProtected:
            return std::u16string(textIn(kWriteProtected, column));
        case platform::FileProblem::MediumFull:
            return std::u16string(textIn(kMediumFull, column));
        case platform::FileProblem::NoPermission:
            return std::u16string(textIn(kNoPermission, column));
        case platform::FileProblem::MediumGone:
            return std::u16string(textIn(kMediumGone, column));
        case platform::FileProblem::NameTaken:
            return std::u16string(textIn(kNameTaken, column));
        case platform::FileProblem::InputOutput:
            return std::u16string(textIn(kInputOutput, column));
        case platform::FileProblem::LineBreakInValue:
            return withKey(textIn(kLineBreakInValue, column), error.reason);
        case platform::FileProblem::CharacterNotInCodePage:
            return withKey(textIn(kCharacterNotInCodePage, column), error.reason);
        case platform::FileProblem::None:
        case platform::FileProblem::Described:
            break;
    }
    return error.reason;
}

std::u16string saveFailureMessage(int column, std::u16string_view path,
                                  const platform::FileError& error) {
    return message(textIn(kNotSaved, column), path, fileProblemText(error, column));
}

std::u16string partialReadMessage(int column, std::u16string_view path,
                                  const platform::FileError& error) {
    return message(textIn(kNotReadCompletely, column), path, fileProblemText(error, column));
}

std::u16string notAppliedMessage(int column, std::u16string_view path, std::u16string_view detail) {
    return message(textIn(kNotApplied, column), path, detail);
}

std::u16string_view unreadableTextReason(int column) {
    return textIn(kUnreadableText, column);
}

std::u16string_view changedOnDiskQuestion(int column) {
    return textIn(kChangedOnDisk, column);
}

}  // namespace orvane
