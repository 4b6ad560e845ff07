// Lines of the settings file: split at every kind of line end, whatever the size of the pieces the
// bytes come in, and cut where they are too long.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "memory_byte_reader.h"
#include "platform/file_access.h"
#include "settings/line_reader.h"
#include "settings_checks.h"

namespace {

using orvane::LineReader;
using orvane::TextLine;
using orvane::test::MemoryByteReader;
using orvane::test::withNuls;

struct ReadLines {
    std::vector<std::u16string> texts;
    std::vector<bool> cuts;
};

ReadLines readAll(orvane::platform::ByteReader& source) {
    ReadLines lines;
    LineReader reader(source);
    while (const std::optional<TextLine> line = reader.next()) {
        lines.texts.push_back(line->text);
        lines.cuts.push_back(line->cut);
    }
    return lines;
}

std::vector<bool> noneCut(std::size_t count) {
    return std::vector<bool>(count, false);
}

const std::string kMaxLine(LineReader::kMaxLineUnits, 'm');
const std::u16string kMaxLineText(LineReader::kMaxLineUnits, u'm');

struct Lines {
    const char* name;
    std::string bytes;
    std::vector<std::u16string> lines;
    std::vector<bool> cuts;
};

std::vector<Lines> lineRows() {
    return {
        {"empty", "", {}, {}},
        {"CR LF", "a\r\nb\r\n", {u"a", u"b"}, noneCut(2)},
        {"LF", "a\nb\n", {u"a", u"b"}, noneCut(2)},
        {"CR", "a\rb\r", {u"a", u"b"}, noneCut(2)},
        {"mixed", "a\r\nb\nc\rd\r\n", {u"a", u"b", u"c", u"d"}, noneCut(4)},
        {"no line end at the end", "a\r\nb", {u"a", u"b"}, noneCut(2)},
        {"single line without end", "abc", {u"abc"}, noneCut(1)},
        {"line ends alone", "\r\n", {u""}, noneCut(1)},
        {"empty lines", "\n\r\n\r\r\n", {u"", u"", u"", u""}, noneCut(4)},
        {"LF CR is two ends", "a\n\rb", {u"a", u"", u"b"}, noneCut(3)},
        {"CR CR LF", "a\r\r\nb", {u"a", u"", u"b"}, noneCut(3)},
        {"code page", "Caf\xE9 \x80 \x99", {u"Café € ™"}, noneCut(1)},
        {"nul bytes",
         withNuls("a\0b\n\0"),
         {std::u16string(u"a\0b", 3), std::u16string(1, u'\0')},
         noneCut(2)},
        {"longest whole line", kMaxLine + "\r\nnext", {kMaxLineText, u"next"}, noneCut(2)},
        {"one byte too long", kMaxLine + "x\r\nnext", {kMaxLineText, u"next"}, {true, false}},
        {"long line without end", kMaxLine + std::string(10000, 'x'), {kMaxLineText}, {true}},
        {"long line with CR end",
         kMaxLine + std::string(10000, 'x') + "\rnext\r",
         {kMaxLineText, u"next"},
         {true, false}},
        {"short line after long one",
         std::string(3 * LineReader::kChunkBytes, 'l') + "\r\nGSM1=1\r\n",
         {std::u16string(LineReader::kMaxLineUnits, u'l'), u"GSM1=1"},
         {true, false}},
    };
}

class LineSplitting : public testing::TestWithParam<Lines> {};

// Every row is read with the bytes handed out in pieces of several sizes, so that each line end,
// including both halves of a CR LF, also falls on the edge of a read.
TEST_P(LineSplitting, readBytesInPiecesOfAnySize_splitsAtEachLineEndAndCutsLongLines) {
    for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{2}, std::size_t{3},
                                        std::size_t{7}, LineReader::kChunkBytes}) {
        MemoryByteReader source(GetParam().bytes, pieceSize);
        const ReadLines read = readAll(source);
        EXPECT_EQ(read.texts, GetParam().lines) << GetParam().name << ", pieces of " << pieceSize;
        EXPECT_EQ(read.cuts, GetParam().cuts) << GetParam().name << ", pieces of " << pieceSize;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, LineSplitting, testing::ValuesIn(lineRows()));

TEST(LineReader, readFileWithACrLfAcrossAChunkEdge_endsTheLineOnce) {
    const orvane::test::ScratchFolder folder;
    const std::filesystem::path path = folder.path() / "SETTINGS.TXT";
    // Short lines up to the chunk's last byte, which is the CR of a CR LF.
    std::string bytes;
    while (bytes.size() + 16 < LineReader::kChunkBytes) {
        bytes += "REM 0123456789\r\n";
    }
    const std::size_t fillerLines = bytes.size() / 16;
    const std::size_t padding = LineReader::kChunkBytes - 1 - bytes.size();
    bytes += std::string(padding, 'x');
    bytes += "\r\nGSM1=after\r\n";
    ASSERT_EQ(bytes.at(LineReader::kChunkBytes - 1), '\r');
    ASSERT_EQ(bytes.at(LineReader::kChunkBytes), '\n');
    orvane::test::writeFile(path, bytes);

    const auto file = orvane::platform::openRegularFile(path.u16string());
    ASSERT_TRUE(file.reader);
    const ReadLines read = readAll(*file.reader);
    ASSERT_EQ(read.texts.size(), fillerLines + 2);
    EXPECT_EQ(read.texts.at(fillerLines), std::u16string(padding, u'x'));
    EXPECT_EQ(read.texts.back(), u"GSM1=after");
    EXPECT_EQ(read.cuts, noneCut(fillerLines + 2));
}

}  // namespace
