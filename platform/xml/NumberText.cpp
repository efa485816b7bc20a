#include "platform/xml/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "platform/CString.h"

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

// Reads the digits at *p as a number of at most two digits; false beyond.
bool ReadSmallNumber(const char** p, int* number) {
    *number = 0;
    for (int digits = 0; **p >= '0' && **p <= '9'; ++*p, ++digits) {
        if (digits == 2) {
            return false;
        }
        *number = *number * 10 + (**p - '0');
    }
    return true;
}

// printf's text for a finite value and a format made of one conversion: the
// flags ' ', '+' and '-', a width, a precision, 'l' and 'e' or 'f'. False for
// any other format, which printf itself then prints. std::to_chars with a
// precision prints the digits that printf prints (both round the exact
// binary value correctly); the sign, padding and alignment are added here.
bool FormatWithoutPrintf(const char* format, double value, std::string* text) {
    if (format[0] != '%' || !std::isfinite(value)) {
        return false;
    }
    const char* p = format + 1;
    char sign = '\0';
    bool left = false;
    for (; *p == ' ' || *p == '+' || *p == '-'; ++p) {
        if (*p == '-') {
            left = true;
        } else if (sign != '+') {
            sign = *p;  // '+' wins over ' '
        }
    }
    int width = 0;
    int precision = 6;
    if (!ReadSmallNumber(&p, &width)) {
        return false;
    }
    if (*p == '.') {
        ++p;
        if (!ReadSmallNumber(&p, &precision)) {
            return false;
        }
    }
    if (*p == 'l') {
        ++p;
    }
    if ((*p != 'e' && *p != 'f') || p[1] != '\0') {
        return false;
    }
    const std::chars_format form =
        *p == 'e' ? std::chars_format::scientific : std::chars_format::fixed;
    // A fixed double has at most 309 digits before the point.
    char buffer[1 + 309 + 1 + 99 + 1];
    char* const digits = buffer + 1;
    const auto result = std::to_chars(digits, std::end(buffer), value, form, precision);
    if (result.ec != std::errc()) {
        return false;
    }
    char* begin = digits;
    if (sign != '\0' && *digits != '-') {
        *--begin = sign;
    }
    const std::size_t length = static_cast<std::size_t>(result.ptr - begin);
    const std::size_t padding = static_cast<std::size_t>(width) > length ? width - length : 0;
    text->clear();
    text->reserve(length + padding);
    if (!left) {
        text->append(padding, ' ');
    }
    text->append(begin, length);
    if (left) {
        text->append(padding, ' ');
    }
    return true;
}

}  // namespace

std::string FormatWithPrintf(const char* format, double value) {
    std::string text;
    if (!FormatWithoutPrintf(format, value, &text)) {
        CString printed;
        printed.Format(format, value);
        text = printed.str();
    }
    return text;
}

bool ParseInt(std::string_view text, int* value) {
    return ParseWhole(text, value, 10);
}

bool ParseDouble(std::string_view text, double* value) {
    const bool parsed = ParseWhole(text, value, std::chars_format::general);
    if (parsed && !std::isfinite(*value)) {
        CountNonFiniteNumber();
    }
    return parsed;
}

namespace {

thread_local long t_nonFiniteNumbers = 0;

}  // namespace

long NonFiniteNumbersRead() {
    return t_nonFiniteNumbers;
}

void CountNonFiniteNumber() {
    ++t_nonFiniteNumbers;
}

std::string_view FormatInt(int value, char (&buffer)[16]) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
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
