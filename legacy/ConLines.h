#pragma once
// The lines of a legacy ASCII configuration file, as its readers see them.
//
// A value is found by its line number (from 1), never by searching. A line is
// what one read of a 256-byte line buffer gives: at most 255 characters, so a
// longer line counts as several; the buffer ends at its first NUL byte, and its
// last character (normally the line end) is removed. A line past the end of
// the file is empty. The file is read once and its lines indexed, so reaching
// any line costs the same. Only the lines a configuration can use are
// indexed; those after them are counted, so that a large file costs no more
// memory than its bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CString.h"

class CConLines {
  public:
    static constexpr std::size_t kLineBuffer = 256;
    // Beyond every line of the layout; later lines read as empty.
    static constexpr int kIndexedLines = 1024;

    // Splits the text of a whole file. A carriage return before a line feed
    // is part of the line end, as a text-mode read of a file from another
    // system takes it.
    explicit CConLines(std::string text);

    // The file's lines, read through the same file image as the documents
    // (so with its size limit, and once for every step of one read). False
    // when the file is refused or cannot be read: *why and *osError then say
    // why (see TDWXML::CFileImage::Get) and lines is untouched.
    static bool Load(const CString& path, CConLines* lines, std::string* why, int* osError);

    int GetCount() const { return m_count; }
    // Whether the text ends with a line end (an empty text does).
    bool EndsWithLineEnd() const { return m_endsWithLineEnd; }
    // Line n (from 1) without its last character; empty past the end.
    std::string_view Line(int n) const;

  private:
    std::string m_text;
    std::vector<std::string_view> m_lines;
    int m_count = 0;
    bool m_endsWithLineEnd = true;
};

// The values of one line read with a scanf-style list of conversions (%d and
// %lf, blanks ignored): up to count values, each held as a double. Reading
// stops at the first value that does not parse; the values not read are 0.
// Returns the number read.
int ScanLine(std::string_view line, std::string_view conversions, double* values, int count);

// The values written with a printf-style list of conversions, appended to
// *out: the text between conversions as it is, and for each conversion (%d,
// %f or %e, with the flags blank, '+', '-' and '0', a width, a precision of
// at most 100 and a length modifier) the next value, byte for byte as
// snprintf writes it in the "C" locale; %d takes the nearest int. The
// writer's hundreds of numbers a file cost a fraction of snprintf's time.
void FormatLine(std::string_view conversions, const double* values, std::string* out);

// The same conversions parsed once, for a line written again and again; the
// text of conversions must outlive the object.
class CLineFormat {
  public:
    struct SConversion {
        bool blank = false;
        bool plus = false;
        bool left = false;
        bool zeros = false;
        std::size_t width = 0;
        int precision = 6;
        char kind = 0;
    };

    explicit CLineFormat(std::string_view conversions);
    // FormatLine(conversions, values, out).
    void Append(const double* values, std::string* out) const;

  private:
    // Text, then (when converts) one conversion.
    struct SPiece {
        std::string_view text;
        SConversion conversion;
        bool converts = false;
    };
    std::vector<SPiece> m_pieces;
};

// A number read from a file as an int: the nearest int, 0 for NaN.
int ClampToInt(double value);
