#pragma once
// CArchive: a binary archive over a stream, either storing or loading.
// Numbers are little-endian; doubles are 8-byte IEEE. Failures raise
// CArchiveException with the cause.

#include <cstdint>
#include <iosfwd>

#include "platform/CString.h"
#include "platform/Exceptions.h"

class CArchive {
  public:
    enum Mode { store = 0, load = 1 };

    // The archive neither owns nor closes the stream.
    CArchive(std::iostream& stream, Mode mode);

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    CArchive& operator<<(std::int32_t value);
    CArchive& operator<<(std::uint32_t value);
    CArchive& operator<<(std::int16_t value);
    CArchive& operator<<(std::uint16_t value);
    CArchive& operator<<(std::uint8_t value);
    CArchive& operator<<(double value);
    // A string: its length (one byte, or 0xFF and two bytes, or 0xFF 0xFFFF
    // and four bytes), then its bytes.
    CArchive& operator<<(const CString& value);

    CArchive& operator>>(std::int32_t& value);
    CArchive& operator>>(std::uint32_t& value);
    CArchive& operator>>(std::int16_t& value);
    CArchive& operator>>(std::uint16_t& value);
    CArchive& operator>>(std::uint8_t& value);
    CArchive& operator>>(double& value);
    CArchive& operator>>(CString& value);

  private:
    void WriteBytes(const void* bytes, std::size_t count);
    void ReadBytes(void* bytes, std::size_t count);

    std::iostream& m_stream;
    Mode m_mode;
};
