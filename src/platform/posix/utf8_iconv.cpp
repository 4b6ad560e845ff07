#include <iconv.h>

#include <bit>
#include <cerrno>
#include <system_error>

#include "platform/code_page.h"

namespace orvane::platform {
namespace {

constexpr bool kLittleEndian = std::endian::native == std::endian::little;
constexpr const char* kUtf16 = kLittleEndian ? "UTF-16LE" : "UTF-16BE";
constexpr char16_t kReplacement = u'\uFFFD';

// The C library's UTF-8 converter, opened on first use and kept: opening it costs more than
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

Converter& utf8Decoder() {
    static Converter converter(kUtf16, "UTF-8");
    return converter;
}

}  // namespace

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
