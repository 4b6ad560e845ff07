#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/code_page.h"

namespace orvane::platform {
namespace {

// Linux has no 8-bit system code page; the settings file is Western European text there.
constexpr const char* kCodePage = "WINDOWS-1252";
constexpr bool kLittleEndian = std::endian::native == std::endian::little;
// The code page's characters all lie within the first 65536, where UTF-16 is UCS-2, which the C
// library converts without loading a module; UTF-8 text may hold characters beyond.
constexpr const char* kUcs2 = kLittleEndian ? "UCS-2LE" : "UCS-2BE";
constexpr const char* kUtf16 = kLittleEndian ? "UTF-16LE" : "UTF-16BE";
constexpr char16_t kReplacement = u'\uFFFD';

// One of the C library's converters, opened on first use and kept: opening one costs more than
// converting a line of the file.
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == failed()) {
            throw std::system_error(errno, std::generic_category(), from);
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in` and appends the result to `out`, up to the end or to the first sequence it
    // cannot convert, which stays at the front of `in`. False when it stopped there.
    template <typename Text>
    bool convert(std::string_view& in, Text& out) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        const std::size_t had = out.size();
        // No encoding here takes more code units for a text than it had bytes.
        out.resize(had + in.size());
        char* input = const_cast<char*>(in.data());  // iconv never writes to its input
        std::size_t inputLeft = in.size();
        auto* output = reinterpret_cast<char*>(out.data() + had);
        std::size_t outputLeft = in.size() * sizeof(typename Text::value_type);
        const bool whole = iconv(handle_, &input, &inputLeft, &output, &outputLeft) != failedSize();
        out.resize(out.size() - outputLeft / sizeof(typename Text::value_type));
        in.remove_prefix(in.size() - inputLeft);
        return whole;
    }

  private:
    // iconv_open's "(iconv_t) -1"
    static iconv_t failed() {
        return reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
    }
    static std::size_t failedSize() { return static_cast<std::size_t>(-1); }

    iconv_t handle_;
};

Converter& codePageDecoder() {
    static Converter converter(kUcs2, kCodePage);
    return converter;
}

Converter& codePageEncoder() {
    static Converter converter(kCodePage, kUcs2);
    return converter;
}

Converter& utf8Decoder() {
    static Converter converter(kUtf16, "UTF-8");
    return converter;
}

std::string_view bytesOf(std::u16string_view text) {
    return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)};
}

// Five bytes of Windows-1252 stand for no character; Windows reads each as the C1 control of the
// same number, so that every byte reads as one character and is written back as itself.
bool isUndefinedByte(char16_t unit) {
    if (unit > 0xFF) {
        return false;
    }
    const char byte = static_cast<char>(unit);
    std::string_view in(&byte, 1);
    std::u16string out;
    return !codePageDecoder().convert(in, out);
}

}  // namespace

std::u16string decodeCodePage(std::string_view bytes) {
    std::u16string text;
    while (!codePageDecoder().convert(bytes, text)) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes.front()));
        bytes.remove_prefix(1);
    }
    return text;
}

// Without a best fit: a character the code page lacks never turns into a look-alike.
std::optional<std::string> encodeCodePage(std::u16string_view text) {
    std::string bytes;
    std::string_view units = bytesOf(text);
    while (!codePageEncoder().convert(units, bytes)) {
        char16_t unit = 0;
        std::memcpy(&unit, units.data(), sizeof unit);
        if (!isUndefinedByte(unit)) {
            return std::nullopt;
        }
        bytes += static_cast<char>(unit);
        units.remove_prefix(sizeof(char16_t));
    }
    return bytes;
}

bool codePageHolds(std::u16string_view text) {
    return encodeCodePage(text).has_value();
}

// Each byte that begins no character, and a character cut off at the end, gives U+FFFD. A
// byte-order mark at the start is no part of the text.
std::u16string decodeUtf8(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    std::u16string text;
    while (!utf8Decoder().convert(bytes, text)) {
        text += kReplacement;
        bytes.remove_prefix(1);
    }
    return text;
}

}  // namespace orvane::platform
