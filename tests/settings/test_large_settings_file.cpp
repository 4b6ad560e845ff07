// A SETTINGS.TXT far larger than the editor reads: only its beginning is applied, and the load
// says so. How quickly the window comes for such files is measured in bench/, not here.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings/settings_file.h"
#include "settings_test_support.h"

using orvane::testing::FakeEditorState;
using orvane::testing::untouchedValues;

class TestLargeSettingsFile : public QObject {
    Q_OBJECT

  private slots:
    void loadAFileBeyondTheReadLimit_appliesOnlyTheWholeLinesBeforeIt();
};

void TestLargeSettingsFile::loadAFileBeyondTheReadLimit_appliesOnlyTheWholeLinesBeforeIt() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath("SETTINGS.TXT"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("LOW ALARM=33\r\nHIGH ALARM=7") == 26);
    // 10 GB without taking the disk space: the rest reads as zero bytes, all on the second line.
    QVERIFY(file.resize(qint64{10} << 30));
    file.close();

    FakeEditorState state(untouchedValues());
    const orvane::LoadReport report = orvane::LoadSettings(state, folder.path().toStdU16String());

    QCOMPARE(report.error.problem, orvane::platform::FileProblem::TooLarge);
    QVERIFY(report.file.exists);
    QCOMPARE(report.file.size, std::uint64_t{10} << 30);
    QCOMPARE(state.values().lowAlarm, 33);
    QCOMPARE(state.values().highAlarm, untouchedValues().highAlarm);
    QCOMPARE(state.values().job, untouchedValues().job);
}

QTEST_GUILESS_MAIN(TestLargeSettingsFile)
#include "test_large_settings_file.moc"
