#include "platform/xml/SourcePosition.h"

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

}  // namespace

SSourcePosition LocateOffset(std::string_view source, pugi::xml_encoding encoding,
                             std::ptrdiff_t utf8Offset) {
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
