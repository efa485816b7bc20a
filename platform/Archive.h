#pragma once
// CArchive: a binary archive over a stream, either storing or loading.
// It holds what the library archives: 32-bit integers, little-endian, and
// 8-byte IEEE doubles. Failures raise CArchiveException with the cause.

#include <cstdint>
#include <iosfwd>

#include "platform/Exceptions.h"

class CArchive {
  public:
    enum Mode { store = 0, load = 1 };

    // The archive neither owns nor closes the stream.
    CArchive(std::iostream& stream, Mode mode);

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    CArchive& operator<<(std::int32_t value);
    CArchive& operator<<(double value);
    CArchive& operator>>(std::int32_t& value);
    CArchive& operator>>(double& value);

  private:
    void WriteBytes(const void* bytes, std::size_t count);
    void ReadBytes(void* bytes, std::size_t count);

    std::iostream& m_stream;
    Mode m_mode;
};
