// SETTINGS.TXT changed, created or deleted by another program while the window is open: Yes to
// "save before you exit?" first asks, in the window's language, whether to replace that change.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <optional>

#include "platform/posix/injected_fault.h"
#include "support/editor_fixture.h"

using orvane::platform::Answer;
using orvane::test::EditorFixture;
using orvane::testing::InjectedFault;

namespace {

enum class Change { None, Modified, Created, Deleted, SameBytes, PastReadLimit, Unreadable };

const QByteArray kStartFile = "LANGUAGE=2\r\nHIGH ALARM=80\r\n";
const QByteArray kOtherProgramsFile = "LANGUAGE=2\r\nHIGH ALARM=81\r\n";  // the same size
const QByteArray kSavedFile =
    "JOB=\r\nHIGH ALARM=70\r\nLOW ALARM=0\r\nGSM1=\r\nGSM2=\r\nGSM3=\r\nLANGUAGE=3\r\n";
const QByteArray kLargeFile = kStartFile + QByteArray(300 << 10, 'x');  // past the read limit
const QByteArray kLargeFileChanged = kLargeFile.chopped(1) + 'y';

}  // namespace

Q_DECLARE_METATYPE(Change)

class ChangedOnDiskTest : public QObject {
    Q_OBJECT

  private slots:
    void save_fileChangedByAnotherProgram_asksBeforeReplacingIt_data();
    void save_fileChangedByAnotherProgram_asksBeforeReplacingIt();
};

void ChangedOnDiskTest::save_fileChangedByAnotherProgram_asksBeforeReplacingIt_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QByteArray>("file");  // empty: no file
    QTest::addColumn<bool>("closed");

    QTest::newRow("unchanged, not asked") << Change::None << false << false << kSavedFile << true;
    QTest::newRow("changed, No") << Change::Modified << false << true << kOtherProgramsFile
                                 << false;
    QTest::newRow("changed, Yes") << Change::Modified << true << true << kSavedFile << true;
    QTest::newRow("created, No") << Change::Created << false << true << kOtherProgramsFile << false;
    QTest::newRow("created, Yes") << Change::Created << true << true << kSavedFile << true;
    QTest::newRow("deleted, No") << Change::Deleted << false << true << QByteArray() << false;
    QTest::newRow("deleted, Yes") << Change::Deleted << true << true << kSavedFile << true;
    QTest::newRow("same bytes again") << Change::SameBytes << false << false << kSavedFile << true;
    QTest::newRow("changed past the read limit, No")
        << Change::PastReadLimit << false << true << kLargeFileChanged << false;
    QTest::newRow("unreadable and changed, No")
        << Change::Unreadable << false << true << kOtherProgramsFile << false;
}

void ChangedOnDiskTest::save_fileChangedByAnotherProgram_asksBeforeReplacingIt() {
    QFETCH(Change, change);
    QFETCH(bool, replace);
    QFETCH(bool, asked);
    QFETCH(QByteArray, file);
    QFETCH(bool, closed);

    EditorFixture editor;
    if (change != Change::Created) {
        editor.writeSettings(change == Change::PastReadLimit ? kLargeFile : kStartFile);
        QFile start(editor.settingsPath());  // an hour old, so that any later write shows
        QVERIFY(start.open(QIODevice::ReadWrite) &&
                start.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                  QFileDevice::FileModificationTime));
    }
    std::optional<InjectedFault> unreadable;
    if (change == Change::Unreadable) {
        unreadable.emplace(orvane::testing::SystemCall::Read, 1, EIO);
    }
    orvane::Form1& form = editor.start();
    unreadable.reset();
    QVERIFY(form.setHighAlarm(70));
    QVERIFY(form.setLanguageIndex(3));
    if (change == Change::Modified || change == Change::Created || change == Change::Unreadable) {
        editor.writeSettings(kOtherProgramsFile);
    } else if (change == Change::SameBytes || change == Change::PastReadLimit) {
        editor.writeSettings(change == Change::SameBytes ? kStartFile : kLargeFileChanged);
    } else if (change == Change::Deleted) {
        QVERIFY(QFile::remove(editor.settingsPath()));
    }
    if (change == Change::Unreadable) {
        unreadable.emplace(orvane::testing::SystemCall::Read, 1, EIO);
    }

    editor.dialogs.answers = {Answer::Yes};
    editor.dialogs.confirmations = {replace};
    editor.window()->close();
    QCOMPARE(editor.dialogs.confirmQuestions.size(), asked ? 1u : 0u);
    if (asked) {
        QCOMPARE(QString::fromStdU16String(editor.dialogs.confirmQuestions[0].text),
                 QStringLiteral("SETTINGS.TXT is sinds het openen door een ander programma "
                                "gewijzigd. Vervangen door de hier getoonde waarden?"));
        QCOMPARE(QString::fromStdU16String(editor.dialogs.confirmQuestions[0].title),
                 QStringLiteral("af te sluiten Settings Editor"));
    }
    QCOMPARE(editor.window()->isVisible(), !closed);
    QCOMPARE(QFile::exists(editor.settingsPath()), !file.isEmpty());
    QCOMPARE(editor.readSettings(), file);
    const bool readWhole = change != Change::PastReadLimit && change != Change::Unreadable;
    QCOMPARE(editor.dialogs.warnings.size(), readWhole ? 0u : 1u);  // the start-up box
    QCOMPARE(QDir(editor.folder()).entryList(QDir::Files),
             file.isEmpty() ? QStringList() : QStringList{"SETTINGS.TXT"});
}

QTEST_MAIN(ChangedOnDiskTest)
#include "test_changed_on_disk.moc"
