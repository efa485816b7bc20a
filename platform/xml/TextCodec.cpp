#include "platform/xml/TextCodec.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace TDWXML::detail {

namespace {

constexpr char32_t kPrivateBase = 0xE000;

void AppendUtf8(char32_t ch, std::string* out) {
    if (ch < 0x80) {
        out->push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out->push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out->push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Reads one UTF-8 sequence at text[pos]; returns its length, or 0 when the
// bytes there are not a valid, shortest-form sequence.
std::size_t ReadUtf8(std::string_view text, std::size_t pos, char32_t* ch) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        *ch = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) {
            return 0;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    *ch = value;
    return length;
}

// What each byte may be in a name: kNameStart bytes may begin it, kNameChar
// bytes follow.
enum : unsigned char { kNameChar = 1, kNameStart = 2 };

constexpr unsigned char NameClass(unsigned byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte == '_' ||
        byte == ':' || (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7)) {
        return kNameStart | kNameChar;
    }
    if ((byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == 0xB7) {
        return kNameChar;
    }
    return 0;
}

constexpr auto kNameClasses = [] {
    std::array<unsigned char, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        table[byte] = NameClass(byte);
    }
    return table;
}();

bool IsNameStart(unsigned char byte) {
    return (kNameClasses[byte] & kNameStart) != 0;
}

bool IsNameChar(unsigned char byte) {
    return (kNameClasses[byte] & kNameChar) != 0;
}

bool IsPlainAsciiByte(unsigned char byte) {
    return byte < 0x80 && (byte >= 0x20 || byte == '\t' || byte == '\n');
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Whether some byte of text is above 0x7F. Eight bytes are looked at
// together, the last eight as one word too (overlapping the one before).
bool HasHighByte(std::string_view text) {
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    const auto wordAt = [&text](std::size_t at) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, sizeof word);
        return word;
    };
    std::uint64_t seen = 0;  // the bytes or'ed together
    if (text.size() < kWord) {
        for (const char c : text) {
            seen |= static_cast<unsigned char>(c);
        }
    } else {
        for (std::size_t at = 0; at + kWord <= text.size(); at += kWord) {
            seen |= wordAt(at);
        }
        seen |= wordAt(text.size() - kWord);
    }
    return (seen & kHighBits) != 0;
}

// Text that is the same in both forms: printable ASCII, tab and line feed.
// Eight bytes are looked at together; only a word holding a byte below 0x20
// is looked at byte by byte, for the tabs and line feeds.
bool IsPlainAscii(std::string_view text) {
    constexpr std::uint64_t kBlank = 0x2020202020202020ULL;
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, sizeof word);
        if ((word & kHighBits) != 0) {
            return false;
        }
        // Some byte is below 0x20 (exact when no byte has its high bit set).
        if (((word - kBlank) & ~word & kHighBits) != 0) {
            for (std::size_t i = 0; i < sizeof word; ++i) {
                if (!IsPlainAsciiByte(static_cast<unsigned char>(text[at + i]))) {
                    return false;
                }
            }
        }
    }
    for (; at < text.size(); ++at) {
        if (!IsPlainAsciiByte(static_cast<unsigned char>(text[at]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string EncodeText(std::string_view bytes) {
    std::string storage;
    const std::string_view text = EncodeView(bytes, &storage);
    return text.data() == storage.data() ? std::move(storage) : std::string(text);
}

std::string_view EncodeView(std::string_view bytes, std::string* storage) {
    if (IsPlainAscii(bytes)) {
        return bytes;
    }
    std::string& out = *storage;
    out.clear();
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\n') {
            AppendUtf8(kPrivateBase + byte, &out);
        } else {
            AppendUtf8(byte, &out);
        }
    }
    return out;
}

std::string DecodeText(std::string_view utf8) {
    std::string storage;
    const std::string_view text = DecodeView(utf8, &storage);
    return text.data() == storage.data() ? std::move(storage) : std::string(text);
}

std::string_view DecodeView(std::string_view utf8, std::string* storage) {
    if (IsPlainAscii(utf8)) {
        return utf8;
    }
    std::string& out = *storage;
    out.clear();
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t ch = 0;
        const std::size_t length = ReadUtf8(utf8, pos, &ch);
        if (length == 0) {
            out.push_back(utf8[pos]);
            ++pos;
            continue;
        }
        pos += length;
        if (ch >= 1 && ch <= 0xFF) {
            out.push_back(static_cast<char>(ch));
        } else if (ch > kPrivateBase && ch < kPrivateBase + 0x20) {
            out.push_back(static_cast<char>(ch - kPrivateBase));
        } else {
            out.push_back('?');
        }
    }
    return out;
}

const char* NameText(const char* bytes, std::string* storage) {
    if (bytes == nullptr || !IsNameStart(static_cast<unsigned char>(bytes[0]))) {
        return nullptr;
    }
    // The bytes or'ed together: below 0x80 when all are ASCII.
    unsigned seen = static_cast<unsigned char>(bytes[0]);
    for (const char* p = bytes + 1; *p != '\0'; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        if (!IsNameChar(byte)) {
            return nullptr;
        }
        seen |= byte;
    }
    if (seen < 0x80) {
        return bytes;
    }
    *storage = EncodeText(bytes);
    return storage->c_str();
}

std::string_view LookupName(const char* bytes, std::string* storage) {
    if (bytes == nullptr) {
        return {};
    }
    const std::string_view plain(bytes);
    if (!HasHighByte(plain)) {
        return plain;
    }
    const char* name = NameText(bytes, storage);
    return name ? std::string_view(*storage) : std::string_view();
}

bool EncodeName(const char* bytes, std::string* utf8) {
    std::string storage;
    const char* name = NameText(bytes, &storage);
    if (name == nullptr) {
        return false;
    }
    if (name == bytes) {
        utf8->assign(bytes);
    } else {
        *utf8 = std::move(storage);
    }
    return true;
}

}  // namespace TDWXML::detail
