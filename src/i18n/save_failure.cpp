#include "i18n/save_failure.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<std::u16string_view, 4> kSentences = {
    u"The settings could not be saved.",
    u"Les paramètres n'ont pas pu être enregistrés.",
    u"Die Einstellungen konnten nicht gespeichert werden.",
    u"De instellingen konden niet worden opgeslagen.",
};

}  // namespace

std::u16string saveFailureMessage(int column, std::u16string_view path,
                                  std::u16string_view reason) {
    const bool known = column >= 0 && column < static_cast<int>(kSentences.size());
    std::u16string message(kSentences[known ? static_cast<std::size_t>(column) : 0]);
    message += u"\n\n";
    message += path;
    message += u"\n";
    message += reason;
    return message;
}

}  // namespace orvane
