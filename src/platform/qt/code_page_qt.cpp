#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <optional>

#include "platform/code_page.h"
#include "platform/qt/qt_text.h"

namespace orvane::platform {
namespace {

// Linux has no 8-bit system code page; the settings file is Western European text there.
constexpr const char* kCodePage = "windows-1252";

// One converter each way, made on first use and reused: opening a converter costs more than
// converting a whole line of the file. Qt 6.4 keeps a converter's error across resetState(), so
// one that has met an error is made anew, in place, because an ICU converter points back at the
// object it was made in and must not be moved.
template <typename Converter>
Converter& converter(std::optional<Converter>& slot) {
    if (!slot || slot->hasError()) {
        slot.emplace(kCodePage);
    } else {
        slot->resetState();
    }
    return *slot;
}

QStringDecoder& decoder() {
    static std::optional<QStringDecoder> slot;
    return converter(slot);
}

QStringEncoder& encoder() {
    static std::optional<QStringEncoder> slot;
    return converter(slot);
}

bool hasSurrogate(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return QChar::isSurrogate(c); });
}

}  // namespace

std::u16string decodeCodePage(std::string_view bytes) {
    const QString text =
        decoder().decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return text.toStdU16String();
}

std::optional<std::string> encodeCodePage(std::u16string_view text) {
    // An 8-bit code page holds no character beyond the first 65536; the converter would quietly
    // leave out half of one at the very end of a text.
    if (hasSurrogate(text)) {
        return std::nullopt;
    }
    QStringEncoder& converter = encoder();
    const QByteArray bytes = converter.encode(qt::toQStringView(text));
    if (converter.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

bool codePageHolds(std::u16string_view text) {
    return encodeCodePage(text).has_value();
}

std::u16string decodeUtf8(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdU16String();
}

}  // namespace orvane::platform
