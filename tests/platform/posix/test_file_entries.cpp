// SETTINGS.TXT as whatever the system can put under that name: links, pipes, device nodes,
// read-only files, files of other users and folders whose names are not UTF-8. Only a regular
// file, or a link to one, is read; only a regular file of its own is replaced, keeping its owner,
// group and mode; nothing else is touched.

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "byte_named_folder.h"
#include "platform/posix/path_bytes.h"
#include "settings/settings_file.h"
#include "settings/settings_test_support.h"
#include "settings/watchdog.h"

using orvane::platform::FileError;
using orvane::platform::FileProblem;
using orvane::test::FakeEditorState;
using orvane::test::readBytes;
using orvane::test::SettingValues;
using orvane::test::toQString;
using orvane::test::untouchedValues;
using orvane::test::untouchedValuesWith;
using orvane::test::writeBytes;

namespace {

enum class Entry {
    LinkToFifo,
    DeviceNode,
    LinkToDeviceNode,
    LinkToFileElsewhere,
    DanglingLink,
    Fifo,
    ReadOnlyForAll,
    ReadOnlyForOwner,
};

const SettingValues kValues{u"Line 7 north", 80, 20, {u"+441234567", u"0612", u"112"}, 2};
const QByteArray kValuesBytes =
    "JOB=Line 7 north\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+441234567\r\nGSM2=0612\r\n"
    "GSM3=112\r\nLANGUAGE=2\r\n";
const QByteArray kElsewhereBytes = "HIGH ALARM=66\r\n";

QByteArray bytesOf(const QString& path) {
    return QFile::encodeName(path);
}

bool needsRoot(Entry entry) {
    return entry == Entry::DeviceNode || entry == Entry::LinkToDeviceNode;
}

// Makes SETTINGS.TXT in `program` the entry, with whatever it points to in `elsewhere`.
bool makeEntry(Entry entry, const QString& program, const QString& elsewhere) {
    const QByteArray settings = bytesOf(program + "/SETTINGS.TXT");
    const auto linkTo = [&settings](const QString& target) {
        return symlink(bytesOf(target).constData(), settings.constData()) == 0;
    };
    const dev_t null = makedev(1, 3);
    switch (entry) {
        case Entry::LinkToFifo:
            return mkfifo(bytesOf(elsewhere + "/pipe").constData(), 0600) == 0 &&
                   linkTo(elsewhere + "/pipe");
        case Entry::DeviceNode:
            return mknod(settings.constData(), S_IFCHR | 0666, null) == 0;
        case Entry::LinkToDeviceNode:
            return mknod(bytesOf(elsewhere + "/null").constData(), S_IFCHR | 0666, null) == 0 &&
                   linkTo(elsewhere + "/null");
        case Entry::LinkToFileElsewhere:
            return writeBytes(elsewhere + "/SETTINGS.TXT", kElsewhereBytes) &&
                   linkTo(elsewhere + "/SETTINGS.TXT");
        case Entry::DanglingLink:
            return linkTo(elsewhere + "/missing");
        case Entry::Fifo:
            return mkfifo(settings.constData(), 0600) == 0;
        case Entry::ReadOnlyForAll:
        case Entry::ReadOnlyForOwner:
            return writeBytes(program + "/SETTINGS.TXT", kElsewhereBytes) &&
                   chmod(settings.constData(), entry == Entry::ReadOnlyForAll ? 0444 : 0400) == 0;
    }
    return false;
}

// Every entry of a folder as the system sees it, without following links: name, type and mode,
// owner, where a link points, and a digest of a regular file's bytes.
QStringList described(const QString& folder) {
    QStringList entries;
    for (const QString& name : orvane::test::entriesOf(folder)) {
        const QByteArray path = bytesOf(folder + "/" + name);
        struct stat status {};
        lstat(path.constData(), &status);
        QString entry = QStringLiteral("%1 %2 %3:%4")
                            .arg(name)
                            .arg(status.st_mode, 0, 8)
                            .arg(status.st_uid)
                            .arg(status.st_gid);
        if (S_ISLNK(status.st_mode)) {
            entry += " -> " + QFile::symLinkTarget(folder + "/" + name);
        } else if (S_ISREG(status.st_mode)) {
            entry += " " + QCryptographicHash::hash(readBytes(folder + "/" + name),
                                                    QCryptographicHash::Sha256)
                               .toHex();
        }
        entries << entry;
    }
    return entries;
}

std::string byteName(const std::filesystem::path& path) {
    return path.filename().native();
}

std::vector<std::string> byteNamesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(byteName(entry.path()));
    }
    return names;
}

}  // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(FileProblem)

class TestFileEntries : public QObject {
    Q_OBJECT

  private slots:
    void load_entryOfAnyKind_readsOnlyRegularFiles_data();
    void load_entryOfAnyKind_readsOnlyRegularFiles();
    void save_overEntryNotItsOwnRegularFile_refusesAndTouchesNothing_data();
    void save_overEntryNotItsOwnRegularFile_refusesAndTouchesNothing();
    void save_fileOfAnotherUser_keepsOwnerGroupAndMode_data();
    void save_fileOfAnotherUser_keepsOwnerGroupAndMode();
    void loadAndSave_folderNameNotUtf8_useThatVeryFolder();
};

void TestFileEntries::load_entryOfAnyKind_readsOnlyRegularFiles_data() {
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<FileError>("error");
    QTest::addColumn<SettingValues>("expected");

    const FileError notRegular{FileProblem::NotRegularFile, {}};
    QTest::newRow("link to a pipe") << Entry::LinkToFifo << notRegular << untouchedValues();
    QTest::newRow("device node") << Entry::DeviceNode << notRegular << untouchedValues();
    QTest::newRow("link to a device node")
        << Entry::LinkToDeviceNode << notRegular << untouchedValues();
    QTest::newRow("link to a file in another folder")
        << Entry::LinkToFileElsewhere << FileError{}
        << untouchedValuesWith([](SettingValues& v) { v.highAlarm = 66; });
    QTest::newRow("link to nothing")
        << Entry::DanglingLink
        << orvane::platform::describedError(
               QString::fromLocal8Bit(std::strerror(ENOENT)).toStdU16String())
        << untouchedValues();
}

void TestFileEntries::load_entryOfAnyKind_readsOnlyRegularFiles() {
    QFETCH(Entry, entry);
    QFETCH(FileError, error);
    QFETCH(SettingValues, expected);
    if (needsRoot(entry) && geteuid() != 0) {
        QSKIP("only root makes device nodes");
    }

    QTemporaryDir program;
    QTemporaryDir elsewhere;
    QVERIFY(program.isValid() && elsewhere.isValid());
    QVERIFY(makeEntry(entry, program.path(), elsewhere.path()));
    FakeEditorState state(untouchedValues());
    const orvane::test::Watchdog watchdog(std::chrono::seconds(10), "LoadSettings");
    const orvane::LoadReport report = orvane::LoadSettings(state, program.path().toStdU16String());
    QCOMPARE(state.values(), expected);
    QCOMPARE(report.error, error);
    QVERIFY(report.file.exists);
}

void TestFileEntries::save_overEntryNotItsOwnRegularFile_refusesAndTouchesNothing_data() {
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<FileProblem>("problem");

    QTest::newRow("link to a pipe") << Entry::LinkToFifo << FileProblem::Link;
    QTest::newRow("link to a device node") << Entry::LinkToDeviceNode << FileProblem::Link;
    QTest::newRow("link to a file in another folder")
        << Entry::LinkToFileElsewhere << FileProblem::Link;
    QTest::newRow("link to nothing") << Entry::DanglingLink << FileProblem::Link;
    QTest::newRow("pipe") << Entry::Fifo << FileProblem::NotRegularFile;
    QTest::newRow("device node") << Entry::DeviceNode << FileProblem::NotRegularFile;
    QTest::newRow("read-only for all, 0444") << Entry::ReadOnlyForAll << FileProblem::ReadOnly;
    QTest::newRow("read-only for the owner, 0400")
        << Entry::ReadOnlyForOwner << FileProblem::ReadOnly;
}

void TestFileEntries::save_overEntryNotItsOwnRegularFile_refusesAndTouchesNothing() {
    QFETCH(Entry, entry);
    QFETCH(FileProblem, problem);
    if (needsRoot(entry) && geteuid() != 0) {
        QSKIP("only root makes device nodes");
    }

    QTemporaryDir program;
    QTemporaryDir elsewhere;
    QVERIFY(program.isValid() && elsewhere.isValid());
    QVERIFY(makeEntry(entry, program.path(), elsewhere.path()));
    const QStringList programBefore = described(program.path());
    const QStringList elsewhereBefore = described(elsewhere.path());

    const FileError result =
        orvane::SaveSettings(FakeEditorState(kValues), program.path().toStdU16String());
    QCOMPARE(result, (FileError{problem, {}}));
    QCOMPARE(described(program.path()), programBefore);
    QCOMPARE(described(elsewhere.path()), elsewhereBefore);
}

void TestFileEntries::save_fileOfAnotherUser_keepsOwnerGroupAndMode_data() {
    QTest::addColumn<QByteArray>("owner");
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("byOwner");  // without special rights, in a setgid folder of the group
    QTest::addColumn<FileProblem>("problem");

    const FileProblem saved = FileProblem::None;
    QTest::newRow("nobody:users 0640")
        << QByteArray("nobody") << QByteArray("users") << 0640 << false << saved;
    QTest::newRow("setgid nobody:users 02664")
        << QByteArray("nobody") << QByteArray("users") << 02664 << false << saved;
    QTest::newRow("root:nogroup 0604")
        << QByteArray("root") << QByteArray("nogroup") << 0604 << false << saved;
    QTest::newRow("setuid 04664 by its owner")
        << QByteArray("nobody") << QByteArray("nogroup") << 04664 << true << saved;
    QTest::newRow("setgid 02774 by its owner")
        << QByteArray("nobody") << QByteArray("nogroup") << 02774 << true << saved;
    QTest::newRow("setgid 02664 by its owner outside the group")
        << QByteArray("nobody") << QByteArray("users") << 02664 << true << FileProblem::ModeNotKept;
}

void TestFileEntries::save_fileOfAnotherUser_keepsOwnerGroupAndMode() {
    QFETCH(QByteArray, owner);
    QFETCH(QByteArray, group);
    QFETCH(int, mode);
    QFETCH(bool, byOwner);
    QFETCH(FileProblem, problem);
    if (geteuid() != 0) {
        QSKIP("only root can give a file to another user");
    }
    const passwd* const user = getpwnam(owner.constData());
    const struct group* const userGroup = getgrnam(group.constData());
    QVERIFY(user != nullptr && userGroup != nullptr);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("SETTINGS.TXT");
    QVERIFY(writeBytes(path, kElsewhereBytes));
    QCOMPARE(chown(bytesOf(path).constData(), user->pw_uid, userGroup->gr_gid), 0);
    QCOMPARE(chmod(bytesOf(path).constData(), static_cast<mode_t>(mode)), 0);
    QCOMPARE(chown(bytesOf(folder.path()).constData(), 0, userGroup->gr_gid), 0);
    QCOMPARE(chmod(bytesOf(folder.path()).constData(), 02777), 0);

    const auto save = [&folder] {
        return orvane::SaveSettings(FakeEditorState(kValues), folder.path().toStdU16String());
    };
    FileProblem result = byOwner ? FileProblem::Described : save().problem;
    if (const pid_t saver = byOwner ? fork() : -1; saver == 0) {  // as setpriv --clear-groups
        _exit(setgroups(0, nullptr) == 0 && setregid(user->pw_gid, user->pw_gid) == 0 &&
                      setreuid(user->pw_uid, user->pw_uid) == 0
                  ? static_cast<int>(save().problem)
                  : 255);
    } else if (int status = 0; saver > 0 && waitpid(saver, &status, 0) == saver) {
        result = static_cast<FileProblem>(WEXITSTATUS(status));
    }
    QCOMPARE(result, problem);
    QCOMPARE(readBytes(path), problem == FileProblem::None ? kValuesBytes : kElsewhereBytes);
    QCOMPARE(orvane::test::entriesOf(folder.path()), QStringList{"SETTINGS.TXT"});
    struct stat status {};
    QCOMPARE(lstat(bytesOf(path).constData(), &status), 0);
    QVERIFY(S_ISREG(status.st_mode));
    QCOMPARE(status.st_uid, user->pw_uid);
    QCOMPARE(status.st_gid, userGroup->gr_gid);
    QCOMPARE(status.st_mode & 07777, static_cast<mode_t>(mode));
}

void TestFileEntries::loadAndSave_folderNameNotUtf8_useThatVeryFolder() {
    const orvane::test::ByteNamedFolder program("caf\xE9");
    // 4085 bytes: the system takes the folder's path at once, but not the file's.
    std::filesystem::path path = program.path();
    for (std::ptrdiff_t left = 0; (left = 4085 - std::ssize(path.native())) > 0;) {
        path /= std::string(static_cast<std::size_t>(left > 250 ? 200 : left - 1), 'x');
    }
    std::filesystem::create_directories(path);
    const int descriptor = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const std::string settingsPath =
        "/proc/self/fd/" + std::to_string(descriptor) + "/SETTINGS.TXT";
    std::ofstream(settingsPath, std::ios::binary) << "JOB=caf\xE9\r\nLOW ALARM=3\r\n";
    const std::u16string folder = orvane::platform::posix::decodePath(path.native());
    QVERIFY(folder.size() == 4085 && folder.find(u"/caf\xDCE9/") != std::u16string::npos);

    FakeEditorState state(untouchedValues());
    const orvane::LoadReport report = orvane::LoadSettings(state, folder);
    QCOMPARE(report.error, FileError{});
    QCOMPARE(state.values(), untouchedValuesWith([](SettingValues& v) {
                 v.job = u"café";
                 v.lowAlarm = 3;
             }));

    const FileError result = orvane::SaveSettings(FakeEditorState(kValues), folder);
    QVERIFY2(!result.failed(), qPrintable(toQString(result.reason)));
    std::ifstream saved(settingsPath, std::ios::binary);
    const std::string savedBytes{std::istreambuf_iterator<char>(saved), {}};
    QCOMPARE(QByteArray::fromStdString(savedBytes), kValuesBytes);
    QCOMPARE(byteNamesIn(program.root()), std::vector<std::string>{"caf\xE9"});
    QCOMPARE(byteNamesIn(path), std::vector<std::string>{"SETTINGS.TXT"});
    close(descriptor);
}

QTEST_GUILESS_MAIN(TestFileEntries)
#include "test_file_entries.moc"
