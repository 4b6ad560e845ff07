#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/qt/qt_text.h"
#include "platform/text_file.h"

namespace orvane::platform {
namespace {

using qt::toQString;

class FileReader final : public ByteReader {
  public:
    explicit FileReader(const QString& path) : file_(path) {}
    bool open() { return file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    std::u16string errorString() const { return file_.errorString().toStdU16String(); }

    ReadResult read(std::span<char> buffer) override {
        const qint64 got = file_.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (got < 0) {
            return {0, describedError(file_.errorString().toStdU16String())};
        }
        return {static_cast<std::size_t>(got), {}};
    }

  private:
    QFile file_;
};

}  // namespace

OpenedFile openRegularFile(std::u16string_view path) {
    const QString name = toQString(path);
    const QFileInfo info(name);
    OpenedFile opened;
    opened.exists = info.exists() || info.isSymLink();
    if (!opened.exists) {
        return opened;
    }
    // Follows links: a link to a regular file is read, a folder, pipe or device is not.
    if (!info.isFile()) {
        opened.error = {FileProblem::NotRegularFile, {}};
        return opened;
    }
    auto reader = std::make_unique<FileReader>(name);
    if (!reader->open()) {
        opened.error = describedError(reader->errorString());
        return opened;
    }
    opened.size = static_cast<std::uint64_t>(info.size());
    opened.reader = std::move(reader);
    return opened;
}

FileError replaceFile(std::u16string_view path, std::string_view bytes) {
    QSaveFile file(toQString(path));
    // Unbuffered: a buffered QSaveFile only writes in commit(), whose flush failure (a full disk)
    // Qt 6.4 ignores, so it would put a cut-off file in place of the old one. Written directly,
    // every failure shows here. A write can also stop short without an error; writing the rest
    // then reports the system's reason (e.g. no space left).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return describedError(file.errorString().toStdU16String());
    }
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return describedError(reason.toStdU16String());
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (!file.commit()) {
        return describedError(file.errorString().toStdU16String());
    }
    return {};
}

}  // namespace orvane::platform
