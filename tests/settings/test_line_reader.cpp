#include <optional>
#include <string_view>

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "memory_byte_reader.h"
#include "platform/text_file.h"
#include "settings/line_reader.h"
#include "settings_test_support.h"

using orvane::LineReader;
using orvane::TextLine;
using orvane::testing::MemoryByteReader;
using orvane::testing::toQString;

namespace {

struct ReadLines {
    QStringList texts;
    QList<bool> cuts;
};

ReadLines readAll(orvane::platform::ByteReader& source) {
    ReadLines lines;
    LineReader reader(source);
    while (const std::optional<TextLine> line = reader.next()) {
        lines.texts << toQString(line->text);
        lines.cuts << line->cut;
    }
    return lines;
}

QList<bool> noneCut(qsizetype count) {
    return QList<bool>(count, false);
}

const QByteArray kMaxLine(LineReader::kMaxLineUnits, 'm');
const QString kMaxLineText(LineReader::kMaxLineUnits, 'm');

}  // namespace

class TestLineReader : public QObject {
    Q_OBJECT

  private slots:
    void readBytesInPiecesOfAnySize_splitsAtEachLineEndAndCutsLongLines_data();
    void readBytesInPiecesOfAnySize_splitsAtEachLineEndAndCutsLongLines();
    void readFileWithACrLfAcrossAChunkEdge_endsTheLineOnce();
};

void TestLineReader::readBytesInPiecesOfAnySize_splitsAtEachLineEndAndCutsLongLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<bool>>("cuts");

    QTest::newRow("empty") << QByteArray() << QStringList() << QList<bool>();
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << noneCut(2);
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"} << noneCut(2);
    QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"} << noneCut(2);
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd\r\n") << QStringList{"a", "b", "c", "d"}
                           << noneCut(4);
    QTest::newRow("no line end at the end")
        << QByteArray("a\r\nb") << QStringList{"a", "b"} << noneCut(2);
    QTest::newRow("single line without end")
        << QByteArray("abc") << QStringList{"abc"} << noneCut(1);
    QTest::newRow("line ends alone") << QByteArray("\r\n") << QStringList{""} << noneCut(1);
    QTest::newRow("empty lines") << QByteArray("\n\r\n\r\r\n") << QStringList{"", "", "", ""}
                                 << noneCut(4);
    QTest::newRow("LF CR is two ends")
        << QByteArray("a\n\rb") << QStringList{"a", "", "b"} << noneCut(3);
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"} << noneCut(3);
    QTest::newRow("code page") << QByteArray("Caf\xE9 \x80 \x99")
                               << QStringList{QString::fromUtf16(u"Café € ™")} << noneCut(1);
    QTest::newRow("nul bytes") << QByteArray("a\0b\n\0", 5)
                               << QStringList{QString::fromUtf16(u"a\0b", 3),
                                              QString::fromUtf16(u"\0", 1)}
                               << noneCut(2);

    QTest::newRow("longest whole line")
        << kMaxLine + "\r\nnext" << QStringList{kMaxLineText, "next"} << noneCut(2);
    QTest::newRow("one byte too long")
        << kMaxLine + "x\r\nnext" << QStringList{kMaxLineText, "next"} << QList<bool>{true, false};
    QTest::newRow("long line without end")
        << kMaxLine + QByteArray(10000, 'x') << QStringList{kMaxLineText} << QList<bool>{true};
    QTest::newRow("long line with CR end")
        << kMaxLine + QByteArray(10000, 'x') + "\rnext\r" << QStringList{kMaxLineText, "next"}
        << QList<bool>{true, false};
    QTest::newRow("short line after long one")
        << QByteArray(3 * LineReader::kChunkBytes, 'l') + "\r\nGSM1=1\r\n"
        << QStringList{QString(LineReader::kMaxLineUnits, 'l'), "GSM1=1"}
        << QList<bool>{true, false};
}

// Every row is read with the bytes handed out in pieces of several sizes, so that each line end,
// including both halves of a CR LF, also falls on the edge of a read.
void TestLineReader::readBytesInPiecesOfAnySize_splitsAtEachLineEndAndCutsLongLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(QList<bool>, cuts);

    for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{2}, std::size_t{3},
                                        std::size_t{7}, LineReader::kChunkBytes}) {
        MemoryByteReader source(std::string_view(bytes.constData(), bytes.size()), pieceSize);
        const ReadLines read = readAll(source);
        QVERIFY2(read.texts == lines, qPrintable(QStringLiteral("pieces of %1").arg(pieceSize)));
        QVERIFY2(read.cuts == cuts, qPrintable(QStringLiteral("pieces of %1").arg(pieceSize)));
    }
}

void TestLineReader::readFileWithACrLfAcrossAChunkEdge_endsTheLineOnce() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("SETTINGS.TXT");
    // Short lines up to the chunk's last byte, which is the CR of a CR LF.
    QByteArray bytes;
    while (bytes.size() + 16 < static_cast<qsizetype>(LineReader::kChunkBytes)) {
        bytes += "REM 0123456789\r\n";
    }
    const qsizetype fillerLines = bytes.size() / 16;
    const qsizetype padding = LineReader::kChunkBytes - 1 - bytes.size();
    bytes += QByteArray(padding, 'x');
    bytes += "\r\nGSM1=after\r\n";
    QCOMPARE(bytes.at(LineReader::kChunkBytes - 1), '\r');
    QCOMPARE(bytes.at(LineReader::kChunkBytes), '\n');
    QVERIFY(orvane::testing::writeBytes(path, bytes));

    const auto file = orvane::platform::openRegularFile(path.toStdU16String());
    QVERIFY(file.reader);
    const ReadLines read = readAll(*file.reader);
    QCOMPARE(read.texts.size(), fillerLines + 2);
    QCOMPARE(read.texts.at(fillerLines), QString(padding, 'x'));
    QCOMPARE(read.texts.last(), "GSM1=after");
    QCOMPARE(read.cuts, noneCut(fillerLines + 2));
}

QTEST_GUILESS_MAIN(TestLineReader)
#include "test_line_reader.moc"
