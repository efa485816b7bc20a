#include "platform/Archive.h"

#include <bit>
#include <istream>
#include <limits>
#include <ostream>

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

CArchive& CArchive::operator<<(std::int32_t value) {
    unsigned char bytes[4];
    Encode(static_cast<std::uint32_t>(value), bytes);
    WriteBytes(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator<<(double value) {
    static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);
    unsigned char bytes[8];
    Encode(std::bit_cast<std::uint64_t>(value), bytes);
    WriteBytes(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value) {
    unsigned char bytes[4];
    ReadBytes(bytes, sizeof bytes);
    value = static_cast<std::int32_t>(Decode<std::uint32_t>(bytes));
    return *this;
}

CArchive& CArchive::operator>>(double& value) {
    unsigned char bytes[8];
    ReadBytes(bytes, sizeof bytes);
    value = std::bit_cast<double>(Decode<std::uint64_t>(bytes));
    return *this;
}
