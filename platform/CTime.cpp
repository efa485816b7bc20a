#include "platform/CTime.h"

#include <locale.h>
#include <time.h>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace {

// The broken-down local time; all zero when the instant cannot be shown.
struct tm LocalTime(std::int64_t seconds) {
    struct tm local {};
    const time_t t = static_cast<time_t>(seconds);
    if (!localtime_r(&t, &local)) {
        local = {};
    }
    return local;
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// SOURCE_DATE_EPOCH as seconds, when it holds a whole decimal number.
bool SourceDateEpoch(std::int64_t& seconds) {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text || !*text) {
        return false;
    }
    const char* end = text + std::strlen(text);
    std::int64_t value = 0;
    const auto [last, error] = std::from_chars(text, end, value);
    if (error != std::errc() || last != end) {
        return false;
    }
    seconds = value;
    return true;
}

}  // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    struct tm local {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = dst;
    m_time = static_cast<std::int64_t>(mktime(&local));
}

int CTime::GetYear() const {
    return LocalTime(m_time).tm_year + 1900;
}
int CTime::GetMonth() const {
    return LocalTime(m_time).tm_mon + 1;
}
int CTime::GetDay() const {
    return LocalTime(m_time).tm_mday;
}
int CTime::GetHour() const {
    return LocalTime(m_time).tm_hour;
}
int CTime::GetMinute() const {
    return LocalTime(m_time).tm_min;
}
int CTime::GetSecond() const {
    return LocalTime(m_time).tm_sec;
}

CString CTime::Format(const char* format) const {
    if (!format || !*format) {
        return CString();
    }
    const struct tm local = LocalTime(m_time);
    // strftime gives 0 both for a full buffer and for an empty result; the
    // buffer grows a few times before the result is taken to be empty.
    std::string buffer(128, '\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::size_t written =
            strftime_l(buffer.data(), buffer.size(), format, &local, CLocale());
        if (written > 0) {
            buffer.resize(written);
            return CString(buffer);
        }
        buffer.resize(buffer.size() * 4);
    }
    return CString();
}

CTime CTime::GetCurrentTime() {
    std::int64_t seconds = 0;
    if (SourceDateEpoch(seconds)) {
        return CTime(seconds);
    }
    return CTime(static_cast<std::int64_t>(time(nullptr)));
}
