#include "platform/Archive.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <istream>
#include <limits>
#include <ostream>
#include <string>

namespace {

// Little-endian encoding whatever the host's byte order.
template <class U>
void Encode(U value, unsigned char* bytes) {
    for (std::size_t i = 0; i < sizeof(U); ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

template <class U>
U Decode(const unsigned char* bytes) {
    U value = 0;
    for (std::size_t i = 0; i < sizeof(U); ++i) {
        value = static_cast<U>(value | (static_cast<U>(bytes[i]) << (8 * i)));
    }
    return value;
}

// Strings are read in pieces so that a damaged length prefix meets the end of
// the stream instead of a huge allocation.
constexpr std::size_t kStringChunk = 64 * 1024;

}  // namespace

CArchive::CArchive(std::iostream& stream, Mode mode) : m_stream(stream), m_mode(mode) {}

void CArchive::WriteBytes(const void* bytes, std::size_t count) {
    if (!IsStoring()) {
        throw CArchiveException(CArchiveException::readOnly);
    }
    m_stream.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(count));
    if (!m_stream) {
        throw CArchiveException(CArchiveException::generic);
    }
}

void CArchive::ReadBytes(void* bytes, std::size_t count) {
    if (!IsLoading()) {
        throw CArchiveException(CArchiveException::writeOnly);
    }
    if (count == 0) {
        return;
    }
    m_stream.read(static_cast<char*>(bytes), static_cast<std::streamsize>(count));
    if (m_stream.bad()) {
        throw CArchiveException(CArchiveException::generic);
    }
    if (static_cast<std::size_t>(m_stream.gcount()) != count) {
        throw CArchiveException(CArchiveException::endOfFile);
    }
}

CArchive& CArchive::operator<<(std::uint32_t value) {
    unsigned char bytes[4];
    Encode(value, bytes);
    WriteBytes(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator<<(std::int32_t value) {
    return *this << static_cast<std::uint32_t>(value);
}

CArchive& CArchive::operator<<(std::uint16_t value) {
    unsigned char bytes[2];
    Encode(value, bytes);
    WriteBytes(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator<<(std::int16_t value) {
    return *this << static_cast<std::uint16_t>(value);
}

CArchive& CArchive::operator<<(std::uint8_t value) {
    WriteBytes(&value, 1);
    return *this;
}

CArchive& CArchive::operator<<(double value) {
    static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);
    unsigned char bytes[8];
    Encode(std::bit_cast<std::uint64_t>(value), bytes);
    WriteBytes(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator<<(const CString& value) {
    const auto length = static_cast<std::uint32_t>(value.GetLength());
    if (length < 0xFF) {
        *this << static_cast<std::uint8_t>(length);
    } else if (length < 0xFFFF) {
        *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(length);
    } else {
        *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(0xFFFF) << length;
    }
    WriteBytes(value.GetString(), length);
    return *this;
}

CArchive& CArchive::operator>>(std::uint32_t& value) {
    unsigned char bytes[4];
    ReadBytes(bytes, sizeof bytes);
    value = Decode<std::uint32_t>(bytes);
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value) {
    std::uint32_t raw = 0;
    *this >> raw;
    value = static_cast<std::int32_t>(raw);
    return *this;
}

CArchive& CArchive::operator>>(std::uint16_t& value) {
    unsigned char bytes[2];
    ReadBytes(bytes, sizeof bytes);
    value = Decode<std::uint16_t>(bytes);
    return *this;
}

CArchive& CArchive::operator>>(std::int16_t& value) {
    std::uint16_t raw = 0;
    *this >> raw;
    value = static_cast<std::int16_t>(raw);
    return *this;
}

CArchive& CArchive::operator>>(std::uint8_t& value) {
    ReadBytes(&value, 1);
    return *this;
}

CArchive& CArchive::operator>>(double& value) {
    unsigned char bytes[8];
    ReadBytes(bytes, sizeof bytes);
    value = std::bit_cast<double>(Decode<std::uint64_t>(bytes));
    return *this;
}

CArchive& CArchive::operator>>(CString& value) {
    std::uint8_t shortLength = 0;
    *this >> shortLength;
    std::uint32_t length = shortLength;
    if (shortLength == 0xFF) {
        std::uint16_t midLength = 0;
        *this >> midLength;
        length = midLength;
        if (midLength == 0xFFFF) {
            *this >> length;
        }
    }
    if (length > static_cast<std::uint32_t>(INT_MAX)) {
        throw CArchiveException(CArchiveException::generic);
    }
    std::string text;
    for (std::size_t done = 0; done < length;) {
        const std::size_t piece = std::min<std::size_t>(kStringChunk, length - done);
        text.resize(done + piece);
        ReadBytes(text.data() + done, piece);
        done += piece;
    }
    value = CString(text);
    return *this;
}
