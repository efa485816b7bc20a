#include "legacy/ConLines.h"

#include <locale.h>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/xml/FileImage.h"
#include "platform/xml/NumberText.h"

namespace {

// Lines of a configuration file average twenty-odd characters; reserving for
// more lines than the file has costs only the larger reservation.
constexpr std::size_t kShortestLineGuess = 8;

}  // namespace

CConLines::CConLines(std::string text) : m_text(std::move(text)) {
    // Text mode: "\r\n" is a line end like "\n". Most files have no carriage
    // return, and then the text is taken as it is.
    if (std::size_t out = m_text.find('\r'); out != std::string::npos) {
        for (std::size_t in = out; in < m_text.size(); ++in) {
            if (m_text[in] == '\r' && in + 1 < m_text.size() && m_text[in + 1] == '\n') {
                continue;
            }
            m_text[out++] = m_text[in];
        }
        m_text.resize(out);
    }

    const std::string_view text_view(m_text);
    m_endsWithLineEnd = text_view.empty() || text_view.back() == '\n';
    m_lines.reserve(std::min<std::size_t>(text_view.size() / kShortestLineGuess, kIndexedLines) +
                    1);
    // A line ends early at a NUL, which only damaged files hold.
    const bool holdsNul = text_view.find('\0') != std::string_view::npos;
    std::size_t start = 0;
    while (start < text_view.size()) {
        // One buffer: up to and with the line end, at most 255 characters.
        const std::size_t limit = std::min(text_view.size(), start + kLineBuffer - 1);
        const std::size_t lineEnd = text_view.substr(start, limit - start).find('\n');
        const std::size_t end = lineEnd == std::string_view::npos ? limit : start + lineEnd + 1;
        if (m_count++ < kIndexedLines) {
            std::string_view buffer = text_view.substr(start, end - start);
            if (holdsNul) {
                buffer = buffer.substr(0, buffer.find('\0'));
            }
            if (!buffer.empty()) {
                buffer.remove_suffix(1);
            }
            m_lines.push_back(buffer);
        }
        start = end;
    }
}

bool CConLines::Load(const CString& path, CConLines* lines, std::string* why, int* osError) {
    const auto image = TDWXML::CFileImage::Get(path, why, osError);
    if (!image) {
        return false;
    }
    *lines = CConLines(image->Bytes());
    return true;
}

std::string_view CConLines::Line(int n) const {
    if (n < 1 || n > static_cast<int>(m_lines.size())) {
        return {};
    }
    return m_lines[static_cast<std::size_t>(n - 1)];
}

namespace {

// Numbers are read in the "C" locale whatever the host's locale is.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// strtod and strtol need a terminated text; a line is at most 255 characters.
struct STerminated {
    explicit STerminated(std::string_view line) {
        const std::size_t size = std::min(line.size(), sizeof text - 1);
        line.copy(text, size);
        text[size] = '\0';
    }
    char text[CConLines::kLineBuffer + 1];
};

}  // namespace

int ScanLine(std::string_view line, std::string_view conversions, double* values, int count) {
    for (int i = 0; i < count; ++i) {
        values[i] = 0.0;
    }
    const STerminated copy(line);
    const char* cursor = copy.text;
    int read = 0;
    std::size_t at = 0;
    while (read < count) {
        at = conversions.find('%', at);
        if (at == std::string_view::npos) {
            break;
        }
        const bool integer = at + 1 < conversions.size() && conversions[at + 1] == 'd';
        ++at;
        char* end = nullptr;
        errno = 0;
        if (integer) {
            const long value = std::strtol(cursor, &end, 10);
            if (end == cursor) {
                break;
            }
            // Out of range: the nearest int, where scanf's result is undefined.
            values[read] = static_cast<double>(value < INT_MIN   ? INT_MIN
                                               : value > INT_MAX ? INT_MAX
                                                                 : value);
        } else {
            const double value = strtod_l(cursor, &end, CLocale());
            if (end == cursor) {
                break;
            }
            if (!std::isfinite(value)) {
                TDWXML::detail::CountNonFiniteNumber();
            }
            values[read] = value;
        }
        cursor = end;
        ++read;
    }
    return read;
}

int ClampToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(
        std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

namespace {

std::size_t Digits(std::string_view text, std::size_t* at) {
    std::size_t value = 0;
    while (*at < text.size() && text[*at] >= '0' && text[*at] <= '9') {
        value = 10 * value + static_cast<std::size_t>(text[(*at)++] - '0');
    }
    return value;
}

// The conversion that starts after the '%' at *at; *at moves past it.
CLineFormat::SConversion ParseConversion(std::string_view format, std::size_t* at) {
    CLineFormat::SConversion conversion;
    for (; *at < format.size(); ++*at) {
        const char flag = format[*at];
        if (flag == ' ') {
            conversion.blank = true;
        } else if (flag == '+') {
            conversion.plus = true;
        } else if (flag == '-') {
            conversion.left = true;
        } else if (flag == '0') {
            conversion.zeros = true;
        } else {
            break;
        }
    }
    conversion.width = Digits(format, at);
    if (*at < format.size() && format[*at] == '.') {
        ++*at;
        conversion.precision = static_cast<int>(std::min<std::size_t>(Digits(format, at), 100));
    }
    while (*at < format.size() && (format[*at] == 'l' || format[*at] == 'h')) {
        ++*at;
    }
    if (*at < format.size()) {
        conversion.kind = format[(*at)++];
    }
    return conversion;
}

void AppendConverted(const CLineFormat::SConversion& conversion, double value, std::string* out) {
    // The largest double in fixed notation with 100 decimals, and its sign.
    char text[420];
    std::to_chars_result written{};
    if (conversion.kind == 'd') {
        written = std::to_chars(text, text + sizeof text, ClampToInt(value));
    } else {
        written = std::to_chars(
            text, text + sizeof text, value,
            conversion.kind == 'e' ? std::chars_format::scientific : std::chars_format::fixed,
            conversion.precision);
    }
    const std::string_view number(text, static_cast<std::size_t>(written.ptr - text));
    const bool negative = !number.empty() && number.front() == '-';
    const std::string_view sign = negative           ? "-"
                                  : conversion.plus  ? "+"
                                  : conversion.blank ? " "
                                                     : "";
    const std::string_view digits = number.substr(negative ? 1 : 0);
    const std::size_t length = sign.size() + digits.size();
    const std::size_t padding = conversion.width > length ? conversion.width - length : 0;
    // printf pads infinities and NaNs with blanks even under the '0' flag.
    const bool zeros =
        conversion.zeros && !conversion.left && (conversion.kind == 'd' || std::isfinite(value));
    if (!conversion.left && !zeros) {
        out->append(padding, ' ');
    }
    out->append(sign);
    if (zeros) {
        out->append(padding, '0');
    }
    out->append(digits);
    if (conversion.left) {
        out->append(padding, ' ');
    }
}

}  // namespace

void FormatLine(std::string_view conversions, const double* values, std::string* out) {
    std::size_t at = 0;
    while (at < conversions.size()) {
        const std::size_t percent = conversions.find('%', at);
        out->append(conversions.substr(at, percent - at));
        if (percent == std::string_view::npos) {
            break;
        }
        at = percent + 1;
        AppendConverted(ParseConversion(conversions, &at), *values++, out);
    }
}

CLineFormat::CLineFormat(std::string_view conversions) {
    std::size_t at = 0;
    while (at < conversions.size()) {
        const std::size_t percent = conversions.find('%', at);
        SPiece piece;
        piece.text = conversions.substr(at, percent - at);
        if (percent == std::string_view::npos) {
            m_pieces.push_back(piece);
            break;
        }
        at = percent + 1;
        piece.conversion = ParseConversion(conversions, &at);
        piece.converts = true;
        m_pieces.push_back(piece);
    }
}

void CLineFormat::Append(const double* values, std::string* out) const {
    for (const SPiece& piece : m_pieces) {
        out->append(piece.text);
        if (piece.converts) {
            AppendConverted(piece.conversion, *values++, out);
        }
    }
}
