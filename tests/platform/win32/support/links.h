#pragma once

#include <filesystem>
#include <string>

namespace orvane::test {

// Each makes `link` lead to `target` and returns nothing, or why this system made no such link
// (Wine, for one, makes none).
std::string makeSymbolicLink(const std::filesystem::path& link,
                             const std::filesystem::path& target);
// A junction: a folder that leads to another folder.
std::string makeJunction(const std::filesystem::path& link, const std::filesystem::path& target);

}  // namespace orvane::test
