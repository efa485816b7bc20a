#pragma once
// CTime: a point in time as 64-bit seconds since 1970, shown in local time.

#include <cstdint>

#include "platform/CString.h"

class CTime {
  public:
    CTime() = default;
    explicit CTime(std::int64_t seconds) : m_time(seconds) {}
    // Local time; daylight saving decided by the system when dst is -1.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    std::int64_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;  // 1..12
    int GetDay() const;    // 1..31
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;

    // strftime in the "C" locale, of the local time.
    CString Format(const char* format) const;

    // Now; when SOURCE_DATE_EPOCH holds a number of seconds, that instant
    // instead, so that dated output can be reproduced byte for byte.
    static CTime GetCurrentTime();

    friend bool operator==(const CTime& a, const CTime& b) { return a.m_time == b.m_time; }
    friend auto operator<=>(const CTime& a, const CTime& b) { return a.m_time <=> b.m_time; }

  private:
    std::int64_t m_time = 0;
};
