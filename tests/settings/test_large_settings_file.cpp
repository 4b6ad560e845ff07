#include <sys/resource.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings/settings_file.h"
#include "settings_test_support.h"

using orvane::testing::FakeEditorState;
using orvane::testing::untouchedValues;

namespace {

constexpr qint64 kFileBytes = 100'000'000;
constexpr qint64 kWriteBytes = 64 * 1024;
// Generous bounds, so that a slow or busy machine does not fail the test.
constexpr qint64 kTimeLimitMs = 5000;
constexpr long kMemoryGrowthLimitKiB = 4 * 1024;

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;  // KiB on Linux
}

// A whole first line, then "JOB=" and one line of kFileBytes letters, then a short line, written
// piece by piece so that making the file does not raise the memory peak itself.
bool writeLongLineFile(const QString& path, const QByteArray& letters) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("LOW ALARM=33\r\nJOB=") != 18) {
        return false;
    }
    QByteArray piece;
    while (piece.size() < kWriteBytes) {
        piece += letters;
    }
    piece.truncate(kWriteBytes - kWriteBytes % letters.size());
    for (qint64 written = 0; written < kFileBytes; written += piece.size()) {
        if (file.write(piece) != piece.size()) {
            return false;
        }
    }
    return file.write("\r\nHIGH ALARM=77\r\n") == 17;
}

}  // namespace

class TestLargeSettingsFile : public QObject {
    Q_OBJECT

  private slots:
    void loadAFileWithOneHugeLine_cutsItInBoundedMemoryAndTime();
};

void TestLargeSettingsFile::loadAFileWithOneHugeLine_cutsItInBoundedMemoryAndTime() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray letters = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QVERIFY(writeLongLineFile(folder.filePath("SETTINGS.TXT"), letters));
    QVERIFY(QFileInfo(folder.filePath("SETTINGS.TXT")).size() > kFileBytes);

    FakeEditorState state(untouchedValues());
    const long peakBefore = peakResidentKiB();
    QElapsedTimer timer;
    timer.start();
    const orvane::LoadReport report = orvane::LoadSettings(state, folder.path().toStdU16String());
    const qint64 elapsedMs = timer.elapsed();
    const long growthKiB = peakResidentKiB() - peakBefore;
    qInfo("Loading a %lld-byte file took %lld ms; peak memory grew by %ld KiB (from %ld KiB).",
          static_cast<long long>(QFileInfo(folder.filePath("SETTINGS.TXT")).size()),
          static_cast<long long>(elapsedMs), growthKiB, peakBefore);

    // Only the beginning is read: the whole first line is applied, the long line that the limit
    // cuts is not, and nothing after it is read.
    QCOMPARE(report.error.problem, orvane::platform::FileProblem::TooLarge);
    QCOMPARE(state.values().lowAlarm, 33);
    QCOMPARE(state.values().job, untouchedValues().job);
    QCOMPARE(state.values().highAlarm, untouchedValues().highAlarm);
    QVERIFY2(elapsedMs < kTimeLimitMs, qPrintable(QString::number(elapsedMs)));
    QVERIFY2(growthKiB < kMemoryGrowthLimitKiB, qPrintable(QString::number(growthKiB)));
}

QTEST_GUILESS_MAIN(TestLargeSettingsFile)
#include "test_large_settings_file.moc"
