#include "platform/xml/SourcePosition.h"

#include <algorithm>

namespace TDWXML::detail {

namespace {

std::size_t Utf8Length(char32_t ch) {
    return ch < 0x80 ? 1 : ch < 0x800 ? 2 : ch < 0x10000 ? 3 : 4;
}

// Reads the stored document one character at a time, in its own encoding.
class CCharReader {
  public:
    CCharReader(std::string_view source, pugi::xml_encoding encoding)
        : m_source(source), m_encoding(encoding) {}

    bool AtEnd() const { return m_pos >= m_source.size(); }

    // The next character and the number of bytes it takes in UTF-8.
    char32_t Next(std::size_t* utf8Length) {
        char32_t ch = 0;
        switch (m_encoding) {
            case pugi::encoding_latin1:
                ch = Byte(m_pos++);
                break;
            case pugi::encoding_utf16_le:
            case pugi::encoding_utf16_be:
                ch = Unit16();
                if (ch >= 0xD800 && ch <= 0xDBFF && m_pos + 1 < m_source.size()) {
                    const char32_t low = Unit16();
                    ch = 0x10000 + ((ch - 0xD800) << 10) + (low - 0xDC00);
                }
                break;
            case pugi::encoding_utf32_le:
            case pugi::encoding_utf32_be:
                ch = Unit32();
                break;
            default:
                // UTF-8: a lead byte starts a character, continuation bytes
                // follow it.
                if (m_pos == 0 && m_source.starts_with("\xEF\xBB\xBF")) {
                    m_pos = 3;
                    *utf8Length = 3;
                    return 0xFEFF;
                }
                ch = Byte(m_pos++);
                *utf8Length = 1;
                while (!AtEnd() && (Byte(m_pos) & 0xC0) == 0x80) {
                    ++m_pos;
                    ++*utf8Length;
                }
                return ch;
        }
        *utf8Length = Utf8Length(ch);
        return ch;
    }

  private:
    char32_t Byte(std::size_t pos) const {
        return pos < m_source.size() ? static_cast<unsigned char>(m_source[pos]) : 0;
    }
    char32_t Unit16() {
        const char32_t a = Byte(m_pos);
        const char32_t b = Byte(m_pos + 1);
        m_pos += 2;
        return m_encoding == pugi::encoding_utf16_le ? (b << 8) | a : (a << 8) | b;
    }
    char32_t Unit32() {
        char32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const char32_t byte = Byte(m_pos + static_cast<std::size_t>(i));
            value = m_encoding == pugi::encoding_utf32_le ? value | (byte << (8 * i))
                                                          : (value << 8) | byte;
        }
        m_pos += 4;
        return value;
    }

    std::string_view m_source;
    pugi::xml_encoding m_encoding;
    std::size_t m_pos = 0;
};

// The same count for a UTF-8 document, with the line ends found by memchr:
// a document that is refused at its end, as a legacy file read as XML is,
// is otherwise decoded a character at a time only to count its lines. Only
// the text after the last line end is looked at byte by byte.
SSourcePosition LocateOffsetUtf8(std::string_view source, std::size_t utf8Offset) {
    const auto continuation = [&](std::size_t pos) {
        return (static_cast<unsigned char>(source[pos]) & 0xC0) == 0x80;
    };
    SSourcePosition position;
    if (utf8Offset == 0 || source.empty()) {
        return position;
    }
    // A byte order mark takes no column.
    const std::size_t start = source.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    if (utf8Offset <= start) {
        return position;
    }
    // Characters are consumed whole: the count ends at the first character
    // that starts at or after the offset.
    std::size_t end = std::min(utf8Offset, source.size());
    while (end < source.size() && continuation(end)) {
        ++end;
    }
    const std::string_view counted = source.substr(0, end);
    const auto each = [&](char byte, auto&& onFound) {
        for (std::size_t pos = counted.find(byte, start); pos != std::string_view::npos;
             pos = counted.find(byte, pos + 1)) {
            onFound(pos);
        }
    };
    std::size_t lastEnd = std::string_view::npos;
    const auto note = [&](std::size_t pos) {
        if (lastEnd == std::string_view::npos || pos > lastEnd) {
            lastEnd = pos;
        }
    };
    // Every carriage return ends a line; a line feed does unless the
    // character before it is a carriage return.
    each('\r', [&](std::size_t pos) {
        ++position.line;
        note(pos);
    });
    each('\n', [&](std::size_t pos) {
        std::size_t lead = pos;
        while (lead > start) {
            --lead;
            if (!continuation(lead) || lead == start) {
                break;
            }
        }
        if (pos == start || source[lead] != '\r') {
            ++position.line;
        }
        note(pos);
    });
    // The column: one more than the characters after the last line end
    // (its own trailing bytes included), or than those from the start.
    std::size_t from = start;
    if (lastEnd != std::string_view::npos) {
        from = lastEnd + 1;
    } else if (start < end) {
        // The first character counts even if it starts with a trailing byte.
        ++position.column;
        from = start + 1;
    }
    for (std::size_t pos = from; pos < end; ++pos) {
        if (!continuation(pos)) {
            ++position.column;
        }
    }
    return position;
}

}  // namespace

SSourcePosition LocateOffset(std::string_view source, pugi::xml_encoding encoding,
                             std::ptrdiff_t utf8Offset) {
    switch (encoding) {
        case pugi::encoding_latin1:
        case pugi::encoding_utf16_le:
        case pugi::encoding_utf16_be:
        case pugi::encoding_utf32_le:
        case pugi::encoding_utf32_be:
            break;
        default:
            return LocateOffsetUtf8(source, static_cast<std::size_t>(utf8Offset));
    }
    SSourcePosition position;
    CCharReader reader(source, encoding);
    std::size_t consumed = 0;
    bool first = true;
    bool afterCR = false;
    while (!reader.AtEnd() && consumed < static_cast<std::size_t>(utf8Offset)) {
        std::size_t length = 0;
        const char32_t ch = reader.Next(&length);
        consumed += length;
        if (ch == 0xFEFF && first) {
            first = false;
            continue;  // a byte order mark takes no column
        }
        first = false;
        if (ch == '\n') {
            if (!afterCR) {
                ++position.line;
            }
            position.column = 1;
        } else if (ch == '\r') {
            ++position.line;
            position.column = 1;
        } else {
            ++position.column;
        }
        afterCR = ch == '\r';
    }
    return position;
}

}  // namespace TDWXML::detail
