#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings/settings_file.h"
#include "settings_test_support.h"

using orvane::SaveSettings;
using orvane::platform::FileError;
using orvane::platform::FileProblem;
using orvane::testing::entriesOf;
using orvane::testing::FakeEditorState;
using orvane::testing::readBytes;
using orvane::testing::SettingValues;
using orvane::testing::toQString;
using orvane::testing::writeBytes;

namespace {

enum class Failure {
    SettingsIsFolder,
    MissingFolder,
    FileSizeLimit,
    ReadOnlyFolder,
    JobOutsideCodePage,
    SmsOutsideCodePage,
    LineBreakInText,
};

const SettingValues kTypical{u"Line 7 north", 80, 20, {u"+441234567", u"0612", u"112"}, 2};
const QByteArray kTypicalBytes =
    "JOB=Line 7 north\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+441234567\r\nGSM2=0612\r\n"
    "GSM3=112\r\nLANGUAGE=2\r\n";
const QByteArray kOldBytes =
    "JOB=old\r\nHIGH ALARM=90\r\nLOW ALARM=5\r\nGSM1=999\r\nGSM2=\r\n"
    "GSM3=\r\nLANGUAGE=1\r\n" +
    QByteArray(4000, ' ');

// Writing more than a few bytes to any file fails as on a full disk, until the end of the scope.
class FileSizeLimit {
  public:
    FileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = 4;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        // Without this the process would be killed instead of the write failing.
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    bool ok() const { return ok_; }

  private:
    rlimit saved_{};
    bool ok_ = false;
    void (*savedHandler_)(int) = nullptr;
};

class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& path) : path_(path) {
        ok_ = chmod(QFile::encodeName(path_).constData(), 0555) == 0;
    }
    ~ReadOnlyFolder() { chmod(QFile::encodeName(path_).constData(), 0755); }
    bool ok() const { return ok_; }

  private:
    QString path_;
    bool ok_ = false;
};

mode_t modeOf(const QString& path) {
    struct stat status {};
    if (stat(QFile::encodeName(path).constData(), &status) != 0) {
        return 0;
    }
    return status.st_mode & 07777;
}

mode_t currentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

}  // namespace

Q_DECLARE_METATYPE(Failure)
Q_DECLARE_METATYPE(FileProblem)

class TestSaveSettings : public QObject {
    Q_OBJECT

  private slots:
    void save_writesExactlyTheSevenLinesAndNoOtherFile_data();
    void save_writesExactlyTheSevenLinesAndNoOtherFile();
    void saveThatFails_givesAReasonAndKeepsTheOldFile_data();
    void saveThatFails_givesAReasonAndKeepsTheOldFile();
    void saveOverAFile_keepsItsPermissions_data();
    void saveOverAFile_keepsItsPermissions();
    void saveANewFile_givesItTheUsualPermissions();
};

void TestSaveSettings::save_writesExactlyTheSevenLinesAndNoOtherFile_data() {
    QTest::addColumn<SettingValues>("values");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("typical") << kTypical << kTypicalBytes;
    QTest::newRow("empty texts, lowest values")
        << SettingValues{u"", 0, 0, {u"", u"", u""}, -1}
        << QByteArray(
               "JOB=\r\nHIGH ALARM=0\r\nLOW ALARM=0\r\nGSM1=\r\nGSM2=\r\nGSM3=\r\n"
               "LANGUAGE=-1\r\n");
    QTest::newRow("full fields, highest values")
        << SettingValues{std::u16string(64, u'J'),
                         100,
                         100,
                         {std::u16string(16, u'1'), std::u16string(16, u'2'),
                          std::u16string(16, u'3')},
                         3}
        << "JOB=" + QByteArray(64, 'J') +
               "\r\nHIGH ALARM=100\r\nLOW ALARM=100\r\nGSM1=" + QByteArray(16, '1') +
               "\r\nGSM2=" + QByteArray(16, '2') + "\r\nGSM3=" + QByteArray(16, '3') +
               "\r\nLANGUAGE=3\r\n";
    QTest::newRow("code page") << SettingValues{u"Café €5 ™ ½", 9, 1, {u"£1", u"", u"é"}, 0}
                               << QByteArray(
                                      "JOB=Caf\xE9 \x80"
                                      "5 \x99 \xBD\r\nHIGH ALARM=9\r\nLOW ALARM=1\r\nGSM1=\xA3"
                                      "1\r\nGSM2=\r\nGSM3=\xE9\r\nLANGUAGE=0\r\n");
    QTest::newRow("texts as they are")
        << SettingValues{u" \"quoted\" JOB=x; \\n ", 7, 3, {u"=1", u"+44 (0) 61", u"\t"}, 1}
        << QByteArray(
               "JOB= \"quoted\" JOB=x; \\n \r\nHIGH ALARM=7\r\nLOW ALARM=3\r\nGSM1==1\r\n"
               "GSM2=+44 (0) 61\r\nGSM3=\t\r\nLANGUAGE=1\r\n");
}

void TestSaveSettings::save_writesExactlyTheSevenLinesAndNoOtherFile() {
    QFETCH(SettingValues, values);
    QFETCH(QByteArray, expected);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("SETTINGS.TXT");
    const FakeEditorState state(values);
    QCOMPARE(state.values(), values);

    const FileError created = SaveSettings(state, folder.path().toStdU16String());
    QVERIFY2(!created.failed(), qPrintable(toQString(created.reason)));
    QCOMPARE(readBytes(path), expected);

    // Over a longer file nothing of the old one may remain.
    QVERIFY(writeBytes(path, kOldBytes));
    const FileError replaced = SaveSettings(state, folder.path().toStdU16String());
    QVERIFY2(!replaced.failed(), qPrintable(toQString(replaced.reason)));
    QCOMPARE(readBytes(path), expected);
    QCOMPARE(entriesOf(folder.path()), QStringList{"SETTINGS.TXT"});
}

void TestSaveSettings::saveThatFails_givesAReasonAndKeepsTheOldFile_data() {
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<FileProblem>("problem");
    QTest::addColumn<QString>("reasonNames");  // what a described reason must name, if anything

    QTest::newRow("SETTINGS.TXT is a folder")
        << Failure::SettingsIsFolder << FileProblem::NotRegularFile << "";
    QTest::newRow("program folder missing")
        << Failure::MissingFolder << FileProblem::Described << "";
    QTest::newRow("disk full") << Failure::FileSizeLimit << FileProblem::Described << "";
    QTest::newRow("read-only folder") << Failure::ReadOnlyFolder << FileProblem::Described << "";
    QTest::newRow("job outside the code page")
        << Failure::JobOutsideCodePage << FileProblem::Described << "job description";
    QTest::newRow("SMS number outside the code page")
        << Failure::SmsOutsideCodePage << FileProblem::Described << "SMS number 3";
    QTest::newRow("line break in a text")
        << Failure::LineBreakInText << FileProblem::Described << "job description";
}

void TestSaveSettings::saveThatFails_givesAReasonAndKeepsTheOldFile() {
    QFETCH(Failure, failure);
    QFETCH(FileProblem, problem);
    QFETCH(QString, reasonNames);
    if (failure == Failure::ReadOnlyFolder && geteuid() == 0) {
        QSKIP("root writes into read-only folders");
    }

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString program = root.filePath("program");
    const QString path = program + "/SETTINGS.TXT";
    if (failure != Failure::MissingFolder) {
        QVERIFY(QDir(root.path()).mkdir("program"));
    }
    if (failure == Failure::SettingsIsFolder) {
        QVERIFY(QDir(program).mkdir("SETTINGS.TXT"));
        QVERIFY(writeBytes(path + "/inside.txt", kOldBytes));
    } else if (failure != Failure::MissingFolder) {
        QVERIFY(writeBytes(path, kOldBytes));
    }

    SettingValues values = kTypical;
    if (failure == Failure::JobOutsideCodePage) {
        values.job = u"Pump \u0100";
    } else if (failure == Failure::SmsOutsideCodePage) {
        values.sms[2] = u"\u260E 112";
    } else if (failure == Failure::LineBreakInText) {
        values.job = u"Line 7\r\nLANGUAGE=3";
    }
    const FakeEditorState state(values);
    const QStringList rootBefore = entriesOf(root.path());
    const QStringList programBefore = entriesOf(program);

    FileError result;
    if (failure == Failure::FileSizeLimit) {
        const FileSizeLimit limit;
        QVERIFY(limit.ok());
        result = SaveSettings(state, program.toStdU16String());
    } else if (failure == Failure::ReadOnlyFolder) {
        const ReadOnlyFolder readOnly(program);
        QVERIFY(readOnly.ok());
        result = SaveSettings(state, program.toStdU16String());
    } else {
        result = SaveSettings(state, program.toStdU16String());
    }

    QCOMPARE(result.problem, problem);
    const QString reason = toQString(result.reason);
    qInfo("Reason given: %s", qPrintable(reason));
    // The program's own reasons are told from the problem; only the system's come as words.
    QCOMPARE(reason.trimmed().isEmpty(), problem != FileProblem::Described);
    QVERIFY2(reason.contains(reasonNames), qPrintable(reason));
    QCOMPARE(entriesOf(root.path()), rootBefore);
    QCOMPARE(entriesOf(program), programBefore);
    if (failure == Failure::SettingsIsFolder) {
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(entriesOf(path), QStringList{"inside.txt"});
        QCOMPARE(readBytes(path + "/inside.txt"), kOldBytes);
    } else if (failure != Failure::MissingFolder) {
        QCOMPARE(readBytes(path), kOldBytes);
    }
}

void TestSaveSettings::saveOverAFile_keepsItsPermissions_data() {
    QTest::addColumn<int>("mode");

    QTest::newRow("owner only") << 0600;
    QTest::newRow("group reads") << 0640;
    QTest::newRow("others read, group not") << 0604;
}

void TestSaveSettings::saveOverAFile_keepsItsPermissions() {
    QFETCH(int, mode);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("SETTINGS.TXT");
    QVERIFY(writeBytes(path, kOldBytes));
    QCOMPARE(chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)), 0);

    const FileError result =
        SaveSettings(FakeEditorState(kTypical), folder.path().toStdU16String());
    QVERIFY2(!result.failed(), qPrintable(toQString(result.reason)));
    QCOMPARE(readBytes(path), kTypicalBytes);
    QCOMPARE(modeOf(path), static_cast<mode_t>(mode));
}

void TestSaveSettings::saveANewFile_givesItTheUsualPermissions() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const FileError result =
        SaveSettings(FakeEditorState(kTypical), folder.path().toStdU16String());
    QVERIFY2(!result.failed(), qPrintable(toQString(result.reason)));
    QCOMPARE(modeOf(folder.filePath("SETTINGS.TXT")), static_cast<mode_t>(0666 & ~currentUmask()));
}

QTEST_GUILESS_MAIN(TestSaveSettings)
#include "test_save_settings.moc"
