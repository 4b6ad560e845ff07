#pragma once

#include <string_view>

namespace orvane::bench {

// SETTINGS.TXT as a technician leaves it: all seven lines, CR LF line ends.
inline constexpr std::string_view kTypicalSettings =
    "JOB=Line 7 north pump house\r\n"
    "HIGH ALARM=80\r\n"
    "LOW ALARM=20\r\n"
    "GSM1=+441234567\r\n"
    "GSM2=0612345678\r\n"
    "GSM3=+3161234567\r\n"
    "LANGUAGE=2\r\n";

// Another such file in which every value differs from the first, so that loading the two in turn
// changes every control each time.
inline constexpr std::string_view kOtherTypicalSettings =
    "JOB=Boiler room west\r\n"
    "HIGH ALARM=65\r\n"
    "LOW ALARM=35\r\n"
    "GSM1=+33612345678\r\n"
    "GSM2=0698765432\r\n"
    "GSM3=+491701234567\r\n"
    "LANGUAGE=1\r\n";

}  // namespace orvane::bench
