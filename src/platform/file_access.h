#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane::platform {

// Why a file could not be read or written, told to the user in the window's language. Only a system
// failure that the program has no words of its own for is told in the system's words.
enum class FileProblem {
    None,
    Described,        // `reason` says what went wrong, mostly in the system's words
    NoProgramFolder,  // the program's own folder could not be found
    Link,             // a symbolic link (on Windows, any reparse point)
    NotRegularFile,   // a folder, pipe, device or anything else that is no plain file
    ReadOnly,         // no write permission at all (on Windows, the read-only attribute)
    TooLarge,         // more than a reader takes; only its beginning was read
    ModeNotKept,      // a replacement could not keep the old file's special mode bits
    // The common failures of a removable medium, picked by each backend from the system's error.
    WriteProtected,  // a read-only medium or a write-protected card
    MediumFull,      // no space left on the medium (or in the user's quota)
    NoPermission,    // the system refused access to the file or its folder
    MediumGone,      // the medium was removed or is not ready
    NameTaken,       // an entry of that name exists already
    InputOutput,     // the medium could not be read or written
    // A value the settings file cannot hold; `reason` is its key ("JOB").
    LineBreakInValue,
    CharacterNotInCodePage,
};

struct FileError {
    FileProblem problem = FileProblem::None;
    std::u16string
        reason;  // for FileProblem::Described, and the key of a value that cannot be held

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

// A moment as the system keeps it for a file.
struct FileTime {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;

    bool operator==(const FileTime&) const = default;
};

// What the system says of a file, so that a later look can tell whether it may have changed
// without reading it: which file it is, its size and when it was last written.
struct FileStatus {
    std::uint64_t volume = 0;      // st_dev; on Windows the volume's serial number
    std::uint64_t fileNumber = 0;  // st_ino; on Windows the file index
    std::uint64_t size = 0;
    FileTime lastWrite;   // st_mtim; on Windows the last write time
    FileTime lastChange;  // st_ctim, also set by a change of owner or mode; not kept on Windows

    bool operator==(const FileStatus&) const = default;
};

struct OpenedFile {
    bool exists = false;                 // an entry of that name exists
    std::uint64_t size = 0;              // the file's size when it opened
    std::optional<FileStatus> status;    // what the system says of the entry, when it could look
    std::unique_ptr<ByteReader> reader;  // set when the entry is, or links to, a regular file
    FileError error;                     // why an existing entry (or its folder) is not read
};

// The folder that holds the running program, as the system names it (paths as in
// platform/shared/paths.h); nothing when the system does not tell. Each backend asks its own
// system (program_folder.cpp).
std::optional<std::u16string> programFolder();

// Both functions below reach a file the same way, so that a file that can be written can also be
// read: on Linux its folder is opened once and the name looked up in it, so that only the folder's
// path must be short enough for the system, not the whole path; on Windows both take the path in
// its long form ("\\?\").

// Opens a file for reading without ever blocking: a symbolic link is followed, but only a regular
// file is read. A folder, pipe or device is reported as FileProblem::NotRegularFile.
OpenedFile openRegularFile(std::u16string_view path);

// Writes `bytes` to a new file in the same folder, syncs it to the disk and puts it in place of
// `path` in one step. Only a regular file of its own is replaced: a symbolic link (or reparse
// point), anything but a regular file and a read-only file are refused and stay as they are. The
// replacement keeps the old file's owner, group and permissions, or the replacement fails (on
// Linux FileProblem::ModeNotKept for a setuid or setgid bit the user may not set). On any failure
// the old file stays as it was and no temporary file is left behind.
FileError replaceFile(std::u16string_view path, std::string_view bytes);

}  // namespace orvane::platform
