// Saving and loading SETTINGS.TXT when a system call fails, made to fail through the file layer's
// table of system calls: the old file stays as it was, no temporary file is left, and the user is
// told the system's reason.

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "injected_fault.h"
#include "settings/settings_file.h"
#include "settings/settings_test_support.h"

using orvane::platform::FileError;
using orvane::platform::FileProblem;
using orvane::test::entriesOf;
using orvane::test::FakeEditorState;
using orvane::test::InjectedFault;
using orvane::test::readBytes;
using orvane::test::SettingValues;
using orvane::test::SystemCall;
using orvane::test::toQString;
using orvane::test::untouchedValues;
using orvane::test::untouchedValuesWith;
using orvane::test::writeBytes;

namespace {

constexpr int kAnyBytes = -1;

const SettingValues kValues{u"Line 7 north", 80, 20, {u"+441234567", u"0612", u"112"}, 2};
const QByteArray kValuesBytes =
    "JOB=Line 7 north\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+441234567\r\nGSM2=0612\r\n"
    "GSM3=112\r\nLANGUAGE=2\r\n";
const QByteArray kOldBytes = "JOB=old\r\nHIGH ALARM=90\r\nLOW ALARM=5\r\nLANGUAGE=1\r\n";

QString systemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

std::size_t mostBytes(int limit) {
    return limit == kAnyBytes ? std::numeric_limits<std::size_t>::max()
                              : static_cast<std::size_t>(limit);
}

struct stat statusOf(const QString& path) {
    struct stat status {};
    stat(QFile::encodeName(path).constData(), &status);
    return status;
}

}  // namespace

Q_DECLARE_METATYPE(SystemCall)
Q_DECLARE_METATYPE(FileProblem)

class TestFileFaults : public QObject {
    Q_OBJECT

  private slots:
    void save_failingCall_keepsOldFileAndTellsWhy_data();
    void save_failingCall_keepsOldFileAndTellsWhy();
    void save_failsOnceInPlace_failsUnlessFoldersCannotBeSynced_data();
    void save_failsOnceInPlace_failsUnlessFoldersCannotBeSynced();
    void save_interruptedOrShortWrites_writesEveryByte_data();
    void save_interruptedOrShortWrites_writesEveryByte();
    void load_readFails_stopsThereAndTellsWhy_data();
    void load_readFails_stopsThereAndTellsWhy();
};

void TestFileFaults::save_failingCall_keepsOldFileAndTellsWhy_data() {
    QTest::addColumn<SystemCall>("call");
    QTest::addColumn<int>("nth");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("bytesPerWrite");
    QTest::addColumn<bool>("ownedByOtherUser");  // so that the owner must be copied
    QTest::addColumn<FileProblem>("problem");    // Described: the system's words

    // The failures of a removable medium are told in the program's own words.
    QTest::newRow("write, disk full")
        << SystemCall::Write << 1 << ENOSPC << kAnyBytes << false << FileProblem::MediumFull;
    QTest::newRow("write after short writes")
        << SystemCall::Write << 3 << EDQUOT << 16 << false << FileProblem::MediumFull;
    QTest::newRow("sync of the file")
        << SystemCall::Fsync << 1 << EIO << kAnyBytes << false << FileProblem::InputOutput;
    QTest::newRow("rename, medium gone")
        << SystemCall::Renameat << 1 << ENOMEDIUM << kAnyBytes << false << FileProblem::MediumGone;
    QTest::newRow("rename, read-only medium")
        << SystemCall::Renameat << 1 << EROFS << kAnyBytes << false << FileProblem::WriteProtected;
    QTest::newRow("rename, name taken")
        << SystemCall::Renameat << 1 << EEXIST << kAnyBytes << false << FileProblem::NameTaken;
    QTest::newRow("rename, other error")
        << SystemCall::Renameat << 1 << ENOLCK << kAnyBytes << false << FileProblem::Described;
    QTest::newRow("copying the mode")
        << SystemCall::Fchmod << 1 << EPERM << kAnyBytes << false << FileProblem::NoPermission;
    QTest::newRow("copying the owner")
        << SystemCall::Fchown << 1 << EACCES << kAnyBytes << true << FileProblem::NoPermission;
}

void TestFileFaults::save_failingCall_keepsOldFileAndTellsWhy() {
    QFETCH(SystemCall, call);
    QFETCH(int, nth);
    QFETCH(int, error);
    QFETCH(int, bytesPerWrite);
    QFETCH(bool, ownedByOtherUser);
    QFETCH(FileProblem, problem);
    if (ownedByOtherUser && geteuid() != 0) {
        QSKIP("only root can give a file to another user");
    }

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("SETTINGS.TXT");
    QVERIFY(writeBytes(path, kOldBytes));
    QCOMPARE(chmod(QFile::encodeName(path).constData(), 0640), 0);
    if (ownedByOtherUser) {
        const passwd* const nobody = getpwnam("nobody");
        QVERIFY(nobody != nullptr);
        QCOMPARE(chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    const struct stat before = statusOf(path);

    FileError result;
    {
        const InjectedFault fault(call, nth, error, mostBytes(bytesPerWrite));
        result = orvane::SaveSettings(FakeEditorState(kValues), folder.path().toStdU16String());
        QVERIFY(fault.happened());
    }
    QCOMPARE(result.problem, problem);
    QCOMPARE(toQString(result.reason),
             problem == FileProblem::Described ? systemWords(error) : QString());
    QCOMPARE(readBytes(path), kOldBytes);
    QCOMPARE(entriesOf(folder.path()), QStringList{"SETTINGS.TXT"});
    const struct stat after = statusOf(path);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_mode, before.st_mode);
}

void TestFileFaults::save_failsOnceInPlace_failsUnlessFoldersCannotBeSynced_data() {
    QTest::addColumn<SystemCall>("call");
    QTest::addColumn<int>("nth");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("saved");

    QTest::newRow("sync of the renamed file") << SystemCall::Fsync << 2 << EIO << false;
    QTest::newRow("close of the renamed file") << SystemCall::Close << 1 << EIO << false;
    QTest::newRow("sync of the folder") << SystemCall::Fsync << 3 << EIO << false;
    QTest::newRow("file system without folder sync") << SystemCall::Fsync << 3 << EINVAL << true;
}

// The new file is already in place when it is synced again, closed and the folder synced; a
// failure then still says that the save may not last.
void TestFileFaults::save_failsOnceInPlace_failsUnlessFoldersCannotBeSynced() {
    QFETCH(SystemCall, call);
    QFETCH(int, nth);
    QFETCH(int, error);
    QFETCH(bool, saved);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeBytes(folder.filePath("SETTINGS.TXT"), kOldBytes));
    FileError result;
    {
        const InjectedFault fault(call, nth, error);
        result = orvane::SaveSettings(FakeEditorState(kValues), folder.path().toStdU16String());
        QVERIFY(fault.happened());
    }
    const FileError expected = saved ? FileError{} : FileError{FileProblem::InputOutput, {}};
    QCOMPARE(result, expected);
    QCOMPARE(readBytes(folder.filePath("SETTINGS.TXT")), kValuesBytes);
    QCOMPARE(entriesOf(folder.path()), QStringList{"SETTINGS.TXT"});
}

void TestFileFaults::save_interruptedOrShortWrites_writesEveryByte_data() {
    QTest::addColumn<int>("nth");
    QTest::addColumn<int>("bytesPerWrite");

    QTest::newRow("first write interrupted") << 1 << kAnyBytes;
    QTest::newRow("short writes, one interrupted") << 4 << 7;
}

void TestFileFaults::save_interruptedOrShortWrites_writesEveryByte() {
    QFETCH(int, nth);
    QFETCH(int, bytesPerWrite);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeBytes(folder.filePath("SETTINGS.TXT"), kOldBytes));
    FileError result;
    {
        const InjectedFault fault(SystemCall::Write, nth, EINTR, mostBytes(bytesPerWrite));
        result = orvane::SaveSettings(FakeEditorState(kValues), folder.path().toStdU16String());
        QVERIFY(fault.happened());
    }
    QVERIFY2(!result.failed(), qPrintable(toQString(result.reason)));
    QCOMPARE(readBytes(folder.filePath("SETTINGS.TXT")), kValuesBytes);
}

void TestFileFaults::load_readFails_stopsThereAndTellsWhy_data() {
    QTest::addColumn<int>("bytesPerRead");
    QTest::addColumn<int>("nth");
    QTest::addColumn<int>("error");
    QTest::addColumn<SettingValues>("expected");

    QTest::newRow("first read") << kAnyBytes << 1 << EIO << untouchedValues();
    // 32 bytes come before the failure: two whole lines, then "JOB=u", which is not applied.
    QTest::newRow("in the middle of a line")
        << 16 << 3 << EIO << untouchedValuesWith([](SettingValues& v) {
               v.language = 1;
               v.highAlarm = 55;
           });
    QTest::newRow("interrupted, then read on")
        << kAnyBytes << 1 << EINTR << untouchedValuesWith([](SettingValues& v) {
               v.language = 1;
               v.highAlarm = 55;
               v.job = u"unfinished";
               v.lowAlarm = 7;
           });
}

void TestFileFaults::load_readFails_stopsThereAndTellsWhy() {
    QFETCH(int, bytesPerRead);
    QFETCH(int, nth);
    QFETCH(int, error);
    QFETCH(SettingValues, expected);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeBytes(folder.filePath("SETTINGS.TXT"),
                       "LANGUAGE=1\r\nHIGH ALARM=55\r\nJOB=unfinished\r\nLOW ALARM=7\r\n"));
    FakeEditorState state(untouchedValues());
    orvane::LoadReport report;
    {
        const InjectedFault fault(SystemCall::Read, nth, error, mostBytes(bytesPerRead));
        report = orvane::LoadSettings(state, folder.path().toStdU16String());
        QVERIFY(fault.happened());
    }
    QCOMPARE(state.values(), expected);
    const FileError told = error == EINTR ? FileError{} : FileError{FileProblem::InputOutput, {}};
    QCOMPARE(report.error, told);
}

QTEST_GUILESS_MAIN(TestFileFaults)
#include "test_file_faults.moc"
