#include "legacy/ConLines.h"

#include <locale.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

CConLines::CConLines(std::string text) : m_text(std::move(text)) {
    // Text mode: "\r\n" is a line end like "\n".
    std::size_t out = 0;
    for (std::size_t in = 0; in < m_text.size(); ++in) {
        if (m_text[in] == '\r' && in + 1 < m_text.size() && m_text[in + 1] == '\n') {
            continue;
        }
        m_text[out++] = m_text[in];
    }
    m_text.resize(out);

    const std::string_view text_view(m_text);
    std::size_t start = 0;
    while (start < text_view.size()) {
        // One buffer: up to and with the line end, at most 255 characters.
        std::size_t end = start;
        const std::size_t limit = std::min(text_view.size(), start + kLineBuffer - 1);
        while (end < limit && text_view[end] != '\n') {
            ++end;
        }
        if (end < limit) {
            ++end;  // the line end itself
        }
        std::string_view buffer = text_view.substr(start, end - start);
        buffer = buffer.substr(0, buffer.find('\0'));
        if (!buffer.empty()) {
            buffer.remove_suffix(1);
        }
        m_lines.push_back(buffer);
        start = end;
    }
}

bool CConLines::Load(const CString& path, CConLines* lines) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"),
                                                               &std::fclose);
    if (!file) {
        return false;
    }
    std::string text;
    char chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        text.append(chunk, got);
    }
    if (std::ferror(file.get())) {
        return false;
    }
    *lines = CConLines(std::move(text));
    return true;
}

std::string_view CConLines::Line(int n) const {
    if (n < 1 || n > GetCount()) {
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
