#include "platform/DateText.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower) {
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return lower;
}

// A number of 1..maxDigits digits, nothing else.
bool ParseNumber(std::string_view text, std::size_t maxDigits, int& value) {
    if (text.empty() || text.size() > maxDigits) {
        return false;
    }
    value = 0;
    for (char ch : text) {
        if (!IsDigit(ch)) {
            return false;
        }
        value = value * 10 + (ch - '0');
    }
    return true;
}

// Four digits as they are, or two digits: 70..99 are 19xx, 00..69 are 20xx.
bool ParseYear(std::string_view text, int& year) {
    if (text.size() == 4) {
        return ParseNumber(text, 4, year) && year > 0;
    }
    if (text.size() == 2 && ParseNumber(text, 2, year)) {
        year += year >= 70 ? 1900 : 2000;
        return true;
    }
    return false;
}

// The English name of a month, in full or as its first three letters.
bool ParseMonthName(std::string_view text, int& month) {
    const std::string lower = Lower(text);
    for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
        if (lower == kMonthNames[i] || (lower.size() == 3 && kMonthNames[i].starts_with(lower))) {
            month = static_cast<int>(i) + 1;
            return true;
        }
    }
    return false;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::vector<std::string_view> SplitBlanks(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
            ++pos;
        }
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] != ' ' && text[pos] != '\t') {
            ++pos;
        }
        if (pos > start) {
            words.push_back(text.substr(start, pos - start));
        }
    }
    return words;
}

bool ParseDate(std::string_view text, int& year, int& month, int& day) {
    if (text.find('/') != std::string_view::npos) {  // mm/dd/yyyy
        const auto parts = Split(text, '/');
        return parts.size() == 3 && ParseNumber(parts[0], 2, month) &&
               ParseNumber(parts[1], 2, day) && ParseYear(parts[2], year);
    }
    if (text.find('-') != std::string_view::npos) {
        const auto parts = Split(text, '-');
        if (parts.size() != 3) {
            return false;
        }
        if (parts[0].size() == 4) {  // yyyy-mm-dd
            return ParseYear(parts[0], year) && ParseNumber(parts[1], 2, month) &&
                   ParseNumber(parts[2], 2, day);
        }
        // dd-Mon-yyyy
        return ParseNumber(parts[0], 2, day) && ParseMonthName(parts[1], month) &&
               ParseYear(parts[2], year);
    }
    auto words = SplitBlanks(text);
    if (words.size() != 3) {
        return false;
    }
    if (ParseNumber(words[0], 2, day)) {  // dd Mon yyyy
        return ParseMonthName(words[1], month) && ParseYear(words[2], year);
    }
    // Mon dd yyyy, also written "Mon dd, yyyy".
    if (words[1].ends_with(',')) {
        words[1].remove_suffix(1);
    }
    return ParseMonthName(words[0], month) && ParseNumber(words[1], 2, day) &&
           ParseYear(words[2], year);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

CString TimeToDateStr(const CTime& time) {
    return time.Format("%m/%d/%Y");
}

int DateStrToTime(const char* text, CTime& time) {
    if (!text) {
        return 1;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    if (!ParseDate(TrimBlanks(text), year, month, day)) {
        return 1;
    }
    // The system normalises impossible dates (February 30 becomes March 1,
    // month 13 the next January), so a result that does not name the same
    // day refuses them; so does a date the system cannot represent.
    const CTime midnight(year, month, day, 0, 0, 0, -1);
    if (midnight.GetYear() != year || midnight.GetMonth() != month || midnight.GetDay() != day) {
        return 1;
    }
    time = midnight;
    return 0;
}

void EditDateError(const char* text) {
    CString message;
    message.Format("'%s' is not a date. Enter the date as mm/dd/yyyy, yyyy-mm-dd or dd-Mon-yyyy.",
                   text ? text : "");
    TWMessageBox(message, "Calibration date", MB_OK | MB_ICONWARNING);
}
