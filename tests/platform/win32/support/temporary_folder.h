#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::test {

// A new, empty folder in the system's temporary folder, removed with everything in it at the end:
// names longer than MAX_PATH too, and a link or junction in it is removed, never what it leads to.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::u16string u16path() const { return path_.u16string(); }
    // The names of everything in the folder, sorted.
    std::vector<std::string> entries() const;

  private:
    std::filesystem::path path_;
};

// A full path as the file functions take it beyond MAX_PATH: with the "\\?\" prefix.
std::wstring longForm(const std::filesystem::path& path);

// These take paths longer than MAX_PATH too.
std::vector<std::string> entriesOf(const std::filesystem::path& folder);  // sorted
void makeFolders(const std::filesystem::path& folder);
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
std::string readBytes(const std::filesystem::path& file);

}  // namespace orvane::test
