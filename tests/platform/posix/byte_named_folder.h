#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <system_error>

namespace orvane::test {

// A folder named by any bytes, in a temporary folder of its own. Both are removed at the end of
// the scope: QTemporaryDir alone cannot remove a name that is not UTF-8.
class ByteNamedFolder {
  public:
    explicit ByteNamedFolder(const std::string& name)
        // The real path, links followed, as the system names the program's folder.
        : root_(std::filesystem::canonical(QFile::encodeName(temporary_.path()).toStdString())),
          path_(root_ / name) {
        std::filesystem::create_directory(path_);
    }
    ~ByteNamedFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ByteNamedFolder(const ByteNamedFolder&) = delete;
    ByteNamedFolder& operator=(const ByteNamedFolder&) = delete;

    // The temporary folder that holds it.
    const std::filesystem::path& root() const { return root_; }
    const std::filesystem::path& path() const { return path_; }

  private:
    QTemporaryDir temporary_;
    std::filesystem::path root_;
    std::filesystem::path path_;
};

}  // namespace orvane::test
