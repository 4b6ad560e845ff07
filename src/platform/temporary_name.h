#pragma once

#include <cstdint>
#include <string>

namespace orvane::platform {

// The end of a new file's name beside the file it is made for: "SETTINGS.TXT" + ".1234-0.tmp".
// The process id and a number that counts up within the process keep two programs, and two files
// of one program, apart; the file is still created only if no entry has the name (O_EXCL,
// CREATE_NEW), and a name that is taken is passed over for the next one.
std::string temporaryNameSuffix(std::uint64_t processId);

}  // namespace orvane::platform
