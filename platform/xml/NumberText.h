#pragma once
// The text of numbers in documents: strict reading and the default writing,
// both independent of the process locale.

#include <cstddef>
#include <string>
#include <string_view>

namespace TDWXML::detail {

// The whole text, blanks at either end aside, must be one decimal integer
// within the range of int (an optional sign, then digits).
bool ParseInt(std::string_view text, int* value);

// The whole text, blanks at either end aside, must be one decimal number as
// printf's %e, %f and %g print it ("inf" and "nan" included); an optional
// sign, no hexadecimal form, and nothing that overflows.
bool ParseDouble(std::string_view text, double* value);

// How many numbers that are not finite ("inf", "nan", or too large for a
// double) the calling thread has read, by ParseDouble and by the legacy
// reader: a host that lists such values need look only after a read that met
// one.
long NonFiniteNumbersRead();
void CountNonFiniteNumber();

// The decimal text of value, printed into the buffer.
std::string_view FormatInt(int value, char (&buffer)[16]);
// The shortest text that reads back as the same double, in the buffer or as
// a string.
inline constexpr std::size_t kShortestDoubleSize = 32;
std::string_view FormatDouble(double value, char (&buffer)[kShortestDoubleSize]);
std::string FormatDouble(double value);

// The text printf prints for the value with a format that IsDoubleFormat
// accepts, in the "C" locale. The forms that configurations use ("%1.8e",
// "% 6.4lf", ...) are printed without going through printf, to the same text.
std::string FormatWithPrintf(const char* format, double value);

// The text of a double printed with a format, kept where it was printed:
// the usual forms in digits, the default text in shortest, printf's own in
// spill.
// A sign, the 309 digits of the largest fixed double, a point and 99
// decimals, and the terminator to_chars may not need.
inline constexpr std::size_t kPrintedDoubleSize = 1 + 309 + 1 + 99 + 1;
struct SPrintedNumber {
    char digits[kPrintedDoubleSize];
    char shortest[kShortestDoubleSize];
    std::string spill;
};
// The text FormatWithPrintf gives for the format, or FormatDouble's when
// format is null; a view with no data when IsDoubleFormat refuses the format.
std::string_view PrintDouble(const char* format, double value, SPrintedNumber* number);

// True when the printf format prints one double: any literal text and "%%",
// and exactly one conversion among e, E, f, F, g, G, a, A with flags, width,
// precision and the 'l' length only.
bool IsDoubleFormat(const char* format);

}  // namespace TDWXML::detail
