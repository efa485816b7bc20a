// The lines of a legacy file as a 256-byte line buffer reads them, and the
// scanf-style reading of their values.

#include "legacy/ConLines.h"

#include <gtest/gtest.h>

#include <string>

TEST(ConLines, LinesAreWhatA256ByteBufferReads) {
    const std::string longLine(300, 'x');
    const std::string text = "first\r\n" + longLine + "\n" + std::string("ab\0cd\n", 6) + "\nlast";
    const CConLines lines(text);
    ASSERT_EQ(lines.GetCount(), 6);
    EXPECT_EQ(lines.Line(1), "first");
    // 255 characters fill the buffer; the rest and the line end are a line of
    // their own; each loses its last character.
    EXPECT_EQ(lines.Line(2), std::string(254, 'x'));
    EXPECT_EQ(lines.Line(3), std::string(45, 'x'));
    EXPECT_EQ(lines.Line(4), "a");  // the buffer ends at the NUL
    EXPECT_EQ(lines.Line(5), "");
    EXPECT_EQ(lines.Line(6), "las");  // no line end: the last character goes
    EXPECT_EQ(lines.Line(7), "");
    EXPECT_EQ(lines.Line(0), "");
}

TEST(ConLines, ValuesAreReadLeftToRightUntilOneFails) {
    double values[4];
    // An integer conversion stops at the point, which the next one reads.
    EXPECT_EQ(ScanLine("1.5 2 x 4", "%d %lf %lf %lf", values, 4), 3);
    EXPECT_EQ(values[0], 1.0);
    EXPECT_EQ(values[1], 0.5);
    EXPECT_EQ(values[2], 2.0);
    EXPECT_EQ(values[3], 0.0);
    EXPECT_EQ(ScanLine("99999999999 -1e400", "%d %lf", values, 2), 2);
    EXPECT_EQ(values[0], 2147483647.0);
    EXPECT_EQ(ScanLine("", "%d", values, 1), 0);
    EXPECT_EQ(values[0], 0.0);
}
