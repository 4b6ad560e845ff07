#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::test {

// A new, empty folder in the system's temporary folder, removed with everything in it at the end.
// On Windows a link or junction in it is removed, never what it leads to.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::vector<std::string> entries() const;  // sorted

  private:
    std::filesystem::path path_;
};

// Files and folders by their whole path; on Windows also beyond MAX_PATH.
std::vector<std::string> entriesOf(const std::filesystem::path& folder);  // sorted
void makeFolders(const std::filesystem::path& folder);
void writeFile(const std::filesystem::path& path, std::string_view bytes);
std::string readFile(const std::filesystem::path& path);  // empty when there is none

}  // namespace orvane::test
