#include "xmlfiles/PlainBeginning.h"

#include <algorithm>
#include <vector>

#include "platform/xml/TDWXML.h"

namespace Config2004 {

namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

bool IsLetter(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_';
}

bool IsNameChar(char ch) {
    return IsLetter(ch) || (ch >= '0' && ch <= '9') || ch == '-' || ch == '.';
}

// Reads the text in [at, end) a step at a time; every step fails once the
// text is used up.
struct SScan {
    std::string_view text;
    std::size_t at = 0;

    bool AtEnd() const { return at >= text.size(); }
    char Peek() const { return AtEnd() ? '\0' : text[at]; }
    // Whether blanks were skipped.
    bool SkipBlanks() {
        const std::size_t from = at;
        while (!AtEnd() && IsBlank(text[at])) {
            ++at;
        }
        return at > from;
    }
    bool Take(std::string_view word) {
        if (text.substr(at, word.size()) != word) {
            return false;
        }
        at += word.size();
        return true;
    }
    // A name of ASCII letters, digits, '_', '-' and '.', starting with a
    // letter or '_'; none that starts with "xml", which XML reserves.
    std::string_view Name() {
        const std::size_t from = at;
        if (!IsLetter(Peek())) {
            return {};
        }
        while (!AtEnd() && IsNameChar(text[at])) {
            ++at;
        }
        const std::string_view name = text.substr(from, at - from);
        if (name.size() >= 3 && (name[0] | 0x20) == 'x' && (name[1] | 0x20) == 'm' &&
            (name[2] | 0x20) == 'l') {
            return {};
        }
        return name;
    }
    // A quoted value of printable ASCII without markup or references.
    bool Value() {
        const char quote = Peek();
        if (quote != '"' && quote != '\'') {
            return false;
        }
        for (++at; !AtEnd(); ++at) {
            const char ch = text[at];
            if (ch == quote) {
                ++at;
                return true;
            }
            if (ch < ' ' || ch > '~' || ch == '<' || ch == '&') {
                return false;
            }
        }
        return false;
    }
};

}  // namespace

bool BeginsPlainly(std::string_view bytes, std::string_view rootTag, std::size_t within) {
    SScan scan{bytes.substr(0, within)};
    scan.Take(TDWXML::kDeclaration);
    scan.SkipBlanks();
    if (!scan.Take("<") || !scan.Take(rootTag)) {
        return false;
    }
    std::vector<std::string_view> names;
    for (;;) {
        const bool blank = scan.SkipBlanks();
        if (scan.Take(">")) {
            return true;
        }
        const std::string_view name = blank ? scan.Name() : std::string_view();
        if (name.empty() || std::find(names.begin(), names.end(), name) != names.end()) {
            return false;
        }
        names.push_back(name);
        scan.SkipBlanks();
        if (!scan.Take("=")) {
            return false;
        }
        scan.SkipBlanks();
        if (!scan.Value()) {
            return false;
        }
    }
}

}  // namespace Config2004
