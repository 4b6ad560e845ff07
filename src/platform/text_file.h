#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace orvane::platform {

// Why a file could not be read or written. The system's failures carry its own words; the others
// are the program's, told to the user in the window's language.
enum class FileProblem {
    None,
    Described,        // `reason` says what went wrong, mostly in the system's words
    NoProgramFolder,  // the program's own folder could not be found
    Link,             // a symbolic link (on Windows, any reparse point)
    NotRegularFile,   // a folder, pipe, device or anything else that is no plain file
    ReadOnly,         // no write permission at all (on Windows, the read-only attribute)
    TooLarge,         // more than a reader takes; only its beginning was read
};

struct FileError {
    FileProblem problem = FileProblem::None;
    std::u16string reason;  // for FileProblem::Described

    bool failed() const { return problem != FileProblem::None; }
    bool operator==(const FileError&) const = default;
};

inline FileError describedError(std::u16string reason) {
    return {FileProblem::Described, std::move(reason)};
}

struct ReadResult {
    std::size_t size = 0;  // bytes put at the front of the buffer; 0 at the end of the file
    FileError error;       // a failed read: the rest of the file cannot be read
};

class ByteReader {
  public:
    virtual ~ByteReader() = default;
    virtual ReadResult read(std::span<char> buffer) = 0;
};

struct OpenedFile {
    bool exists = false;                 // an entry of that name exists
    std::uint64_t size = 0;              // the file's size when it opened
    std::unique_ptr<ByteReader> reader;  // set when the entry is, or links to, a regular file
    FileError error;                     // why an existing entry is not read
};

// Opens a file for reading without ever blocking: a symbolic link is followed, but only a regular
// file is read. A folder, pipe or device is reported as FileProblem::NotRegularFile.
OpenedFile openRegularFile(std::u16string_view path);

// Writes `bytes` to a new file in the same folder, syncs it to the disk and puts it in place of
// `path` in one step. Only a regular file of its own is replaced: a symbolic link (or reparse
// point), anything but a regular file and a read-only file are refused and stay as they are. The
// replacement keeps the old file's owner, group and permissions. On any failure the old file stays
// as it was and no temporary file is left behind.
FileError replaceFile(std::u16string_view path, std::string_view bytes);

}  // namespace orvane::platform
