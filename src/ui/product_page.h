#pragma once

#include <string_view>

namespace orvane {

// The product's page on the maker's web site, opened by the globe button.
inline constexpr std::u16string_view kProductPageAddress = u"http://www.orvane.com/pm";

}  // namespace orvane
