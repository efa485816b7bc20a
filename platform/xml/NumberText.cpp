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
// flags ' ', '+' and '-', a width, a precision, 'l' and 'e' or 'f', printed
// into buffer. A view with no data for any other format, which printf itself
// then prints. std::to_chars with a precision prints the digits that printf
// prints (both round the exact binary value correctly); the sign, padding and
// alignment are added here.
std::string_view FormatWithoutPrintf(const char* format, double value,
                                     char (&buffer)[kPrintedDoubleSize]) {
    if (format[0] != '%' || !std::isfinite(value)) {
        return {};
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
        return {};
    }
    if (*p == '.') {
        ++p;
        if (!ReadSmallNumber(&p, &precision)) {
            return {};
        }
    }
    if (*p == 'l') {
        ++p;
    }
    if ((*p != 'e' && *p != 'f') || p[1] != '\0') {
        return {};
    }
    const std::chars_format form =
        *p == 'e' ? std::chars_format::scientific : std::chars_format::fixed;
    // The digits go after room for the sign and, on the right, the padding
    // of a width (at most 99, less than the digits' room).
    char* const digits = buffer + 1;
    const auto result = std::to_chars(digits, std::end(buffer), value, form, precision);
    if (result.ec != std::errc()) {
        return {};
    }
    char* begin = digits;
    if (sign != '\0' && *digits != '-') {
        *--begin = sign;
    }
    const std::size_t length = static_cast<std::size_t>(result.ptr - begin);
    const std::size_t padding = static_cast<std::size_t>(width) > length ? width - length : 0;
    if (padding == 0) {
        return std::string_view(begin, length);
    }
    if (left) {
        std::memmove(buffer, begin, length);
        std::memset(buffer + length, ' ', padding);
    } else {
        std::memmove(buffer + padding, begin, length);
        std::memset(buffer, ' ', padding);
    }
    return std::string_view(buffer, length + padding);
}

}  // namespace

std::string FormatWithPrintf(const char* format, double value) {
    char buffer[kPrintedDoubleSize];
    if (const std::string_view text = FormatWithoutPrintf(format, value, buffer); text.data()) {
        return std::string(text);
    }
    CString printed;
    printed.Format(format, value);
    return printed.str();
}

std::string_view PrintDouble(const char* format, double value, SPrintedNumber* number) {
    if (format == nullptr) {
        return FormatDouble(value, number->shortest);
    }
    if (const std::string_view text = FormatWithoutPrintf(format, value, number->digits);
        text.data()) {
        return text;
    }
    if (!IsDoubleFormat(format)) {
        return {};
    }
    number->spill = FormatWithPrintf(format, value);
    return number->spill;
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

std::string_view FormatDouble(double value, char (&buffer)[kShortestDoubleSize]) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

std::string FormatDouble(double value) {
    char buffer[kShortestDoubleSize];
    return std::string(FormatDouble(value, buffer));
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
