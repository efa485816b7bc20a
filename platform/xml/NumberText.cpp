#include "platform/xml/NumberText.h"

#include <charconv>
#include <cstring>
#include <system_error>

namespace TDWXML::detail {

namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// from_chars takes a leading '-' but not '+'; a '+' is accepted when a digit,
// a point or a letter (inf, nan) follows it, never another sign.
std::string_view DropPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    return text;
}

template <class T, class... Options>
bool ParseWhole(std::string_view text, T* value, Options... options) {
    text = DropPlus(TrimBlanks(text));
    if (text.empty()) {
        return false;
    }
    T parsed{};
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, parsed, options...);
    if (result.ec != std::errc() || result.ptr != end) {
        return false;
    }
    *value = parsed;
    return true;
}

}  // namespace

bool ParseInt(std::string_view text, int* value) {
    return ParseWhole(text, value, 10);
}

bool ParseDouble(std::string_view text, double* value) {
    return ParseWhole(text, value, std::chars_format::general);
}

std::string FormatInt(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatDouble(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool IsDoubleFormat(const char* format) {
    if (format == nullptr) {
        return false;
    }
    int conversions = 0;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            continue;
        }
        ++p;
        if (*p == '%') {
            continue;
        }
        while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr) {
            ++p;
        }
        while (*p >= '0' && *p <= '9') {
            ++p;
        }
        if (*p == '.') {
            ++p;
            while (*p >= '0' && *p <= '9') {
                ++p;
            }
        }
        if (*p == 'l') {
            ++p;
        }
        if (*p == '\0' || std::strchr("eEfFgGaA", *p) == nullptr) {
            return false;
        }
        ++conversions;
    }
    return conversions == 1;
}

}  // namespace TDWXML::detail
