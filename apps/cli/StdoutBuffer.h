#pragma once
// Standard output that remembers why a write failed: a full disk, a closed
// pipe. The tool installs it under std::cout and checks it before it exits.

#include <array>
#include <streambuf>

class CStdoutBuffer : public std::streambuf {
  public:
    CStdoutBuffer();
    ~CStdoutBuffer() override;
    CStdoutBuffer(const CStdoutBuffer&) = delete;
    CStdoutBuffer& operator=(const CStdoutBuffer&) = delete;

    // The system's error code of the first write that failed; 0 when none did.
    int Error() const { return m_error; }

  protected:
    int_type overflow(int_type ch) override;
    int sync() override;

  private:
    bool Drain();

    std::array<char, 65536> m_buffer;
    int m_error = 0;
};
