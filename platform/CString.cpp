#include "platform/CString.h"

#include <locale.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/Exceptions.h"

namespace {

// printf follows the calling thread's locale; configuration text is always
// written with '.' as the decimal point.
class CLocaleScope {
  public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c;
    }
    locale_t m_previous;
};

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

char FoldAscii(char ch) {
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

std::string FormatToString(const char* format, va_list args) {
    CLocaleScope cLocale;
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

CString::CString(const char* text) : m_text(text ? text : "") {}
CString::CString(const char* text, int length)
    : m_text(text ? std::string(text, static_cast<std::size_t>(std::max(length, 0))) : "") {}
CString::CString(const std::string& text) : m_text(text) {}
CString::CString(std::string_view text) : m_text(text) {}
CString::CString(char ch, int repeat) : m_text(static_cast<std::size_t>(std::max(repeat, 0)), ch) {}

char CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength()) {
        throw CInvalidArgException("CString index out of range");
    }
    return m_text[static_cast<std::size_t>(index)];
}

void CString::SetAt(int index, char ch) {
    if (index < 0 || index >= GetLength()) {
        throw CInvalidArgException("CString index out of range");
    }
    m_text[static_cast<std::size_t>(index)] = ch;
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    m_text = FormatToString(format, args);
}

void CString::AppendFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    m_text += FormatToString(format, args);
    va_end(args);
}

CString& CString::operator=(const char* text) {
    m_text = text ? text : "";
    return *this;
}

CString& CString::operator+=(const CString& text) {
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const char* text) {
    if (text) {
        m_text += text;
    }
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

int CString::Compare(const char* text) const {
    return std::strcmp(m_text.c_str(), text ? text : "");
}

int CString::CompareNoCase(const char* text) const {
    const char* a = m_text.c_str();
    const char* b = text ? text : "";
    for (;; ++a, ++b) {
        const auto ca = static_cast<unsigned char>(FoldAscii(*a));
        const auto cb = static_cast<unsigned char>(FoldAscii(*b));
        if (ca != cb || ca == 0) {
            return ca < cb ? -1 : (ca > cb ? 1 : 0);
        }
    }
}

CString CString::Left(int count) const {
    return CString(m_text.substr(0, static_cast<std::size_t>(std::clamp(count, 0, GetLength()))));
}

CString CString::Right(int count) const {
    const int n = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(static_cast<std::size_t>(GetLength() - n)));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    const int start = std::clamp(first, 0, GetLength());
    const int n = std::clamp(count, 0, GetLength() - start);
    return CString(m_text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n)));
}

int CString::Find(char ch, int start) const {
    if (start < 0 || start >= GetLength()) {
        return -1;
    }
    const auto pos = m_text.find(ch, static_cast<std::size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* sub, int start) const {
    if (!sub || start < 0 || start > GetLength()) {
        return -1;
    }
    const auto pos = m_text.find(sub, static_cast<std::size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const {
    const auto pos = m_text.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString& CString::MakeUpper() {
    for (char& ch : m_text) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return *this;
}

CString& CString::MakeLower() {
    for (char& ch : m_text) {
        ch = FoldAscii(ch);
    }
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft() {
    const auto first = std::find_if_not(m_text.begin(), m_text.end(), IsBlank);
    m_text.erase(m_text.begin(), first);
    return *this;
}

CString& CString::TrimRight() {
    while (!m_text.empty() && IsBlank(m_text.back())) {
        m_text.pop_back();
    }
    return *this;
}

int CString::Replace(const char* oldText, const char* newText) {
    if (!oldText || !*oldText) {
        return 0;
    }
    const std::string from(oldText);
    const std::string to(newText ? newText : "");
    int count = 0;
    for (std::size_t pos = m_text.find(from); pos != std::string::npos;
         pos = m_text.find(from, pos + to.size())) {
        m_text.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

CString operator+(const CString& a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, const char* b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const char* a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, char b) {
    CString result(a);
    result += b;
    return result;
}
