#include "access/ControlText.h"

#include <cstdio>
#include <cstring>

bool IsControlByte(unsigned char byte) {
    return byte < 0x20 || (byte >= 0x7F && byte <= 0x9F);
}

bool HasControl(std::string_view text) {
    for (const char ch : text) {
        if (IsControlByte(static_cast<unsigned char>(ch))) {
            return true;
        }
    }
    return false;
}

std::string EscapeControls(std::string_view text, std::string_view keep) {
    constexpr std::string_view kNamed = "\a\b\t\n\v\f\r";
    constexpr std::string_view kLetters = "abtnvfr";
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (keep.find(ch) != std::string_view::npos || (!IsControlByte(byte) && ch != '\\')) {
            out += ch;
        } else if (ch == '\\') {
            out += "\\\\";
        } else if (const std::size_t named = kNamed.find(ch); named != std::string_view::npos) {
            out += '\\';
            out += kLetters[named];
        } else {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            out += octal;
        }
    }
    return out;
}
