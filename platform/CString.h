#pragma once
// CString: a narrow byte string. Bytes are kept as they are (no encoding is
// assumed); Format uses printf formats in the "C" locale whatever the host's
// locale is.

#include <cstdarg>
#include <ostream>
#include <string>
#include <string_view>

class CString {
  public:
    CString() = default;
    CString(const char* text);  // NOLINT: implicit like the framework's string
    CString(const char* text, int length);
    CString(const std::string& text);  // NOLINT
    CString(std::string_view text);    // NOLINT
    CString(char ch, int repeat);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }  // NOLINT
    const std::string& str() const { return m_text; }

    char GetAt(int index) const;  // CInvalidArgException outside 0..length-1
    void SetAt(int index, char ch);

    // printf-style formatting in the "C" locale; replaces the contents.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    // The same, appending.
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

    CString& operator=(const char* text);
    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    int Compare(const char* text) const;        // <0, 0, >0 as strcmp
    int CompareNoCase(const char* text) const;  // ASCII letters folded

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    int Find(char ch, int start = 0) const;  // -1 when absent
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;

    CString& MakeUpper();  // ASCII letters only
    CString& MakeLower();
    CString& Trim();  // spaces, tabs, line ends at both ends
    CString& TrimLeft();
    CString& TrimRight();
    int Replace(const char* oldText, const char* newText);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

  private:
    std::string m_text;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);

// Writes the bytes (the conversion to const char* would otherwise print a pointer).
inline std::ostream& operator<<(std::ostream& os, const CString& text) {
    return os << text.str();
}
