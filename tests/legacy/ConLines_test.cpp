// The lines of a legacy file as a 256-byte line buffer reads them, the
// scanf-style reading of their values and the printf-style writing.

#include "legacy/ConLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "legacy/SensorLines.h"

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

// snprintf's text for the format, one conversion at a time (%d takes the
// nearest int).
std::string Snprintf(const std::string& format, const double* values) {
    std::string text = format.substr(0, format.find('%'));
    for (std::size_t at = format.find('%'); at != std::string::npos; ++values) {
        const std::size_t next = format.find('%', at + 1);
        const std::string piece = format.substr(at, next == std::string::npos ? next : next - at);
        char buffer[512];
        if (piece[piece.find_first_of("dfe")] == 'd') {
            std::snprintf(buffer, sizeof buffer, piece.c_str(), ClampToInt(*values));
        } else {
            std::snprintf(buffer, sizeof buffer, piece.c_str(), *values);
        }
        text += buffer;
        at = next;
    }
    return text;
}

TEST(ConLines, ValuesAreWrittenAsSnprintfWritesThem) {
    // clang-format off
    const double samples[] = {0.0, -0.0, 1.0, -2.5, 0.125, 2.5e-8, -9.57e-08, 1e300,
                              -1.7976931348623157e308, 4.9e-324, 123456789.987654321, 2.5e9,
                              -3e10, 0.5, 1.5, NAN, -NAN, INFINITY, -INFINITY};
    // clang-format on
    constexpr std::size_t kSamples = std::size(samples);
    std::vector<std::string> formats = {"% 12.4e",     "%+d|%-6d|", "%-8.3f|%+.0e",
                                        "%08.2f %05d", "%010f",     "x=%lf"};
    for (int line = 1; line <= kConLastLine; ++line) {
        if (const char* format = LegacyLineFormat(line)) {
            formats.emplace_back(format);
        }
    }
    for (const std::string& format : formats) {
        for (std::size_t shift = 0; shift < kSamples; ++shift) {
            double values[16];
            for (std::size_t i = 0; i < std::size(values); ++i) {
                values[i] = samples[(i + shift) % kSamples];
            }
            std::string written = "kept ";
            FormatLine(format, values, &written);
            EXPECT_EQ(written, "kept " + Snprintf(format, values)) << format;
            std::string again = "kept ";
            CLineFormat(format).Append(values, &again);
            EXPECT_EQ(again, written) << format;
        }
    }
}
