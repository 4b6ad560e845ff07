#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/code_page.h"
#include "platform/qt/qt_text.h"

namespace orvane::platform {
namespace {

// Linux has no 8-bit system code page; the settings file is Western European text there.
constexpr const char* kCodePage = "windows-1252";

}  // namespace

std::u16string decodeCodePage(std::string_view bytes) {
    QStringDecoder decoder(kCodePage);
    const QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return text.toStdU16String();
}

std::optional<std::string> encodeCodePage(std::u16string_view text) {
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder.encode(qt::toQStringView(text));
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

bool codePageHolds(std::u16string_view text) {
    return encodeCodePage(text).has_value();
}

}  // namespace orvane::platform
