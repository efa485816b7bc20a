#pragma once
// Written sensor documents as the sensor family tests look at them: on one
// line, or with a part taken out.

#include <sstream>
#include <string>

namespace tw_test {

// The document without its declaration, line ends and indentation.
inline std::string Compact(const std::string& text) {
    std::string compact;
    std::istringstream lines(text.substr(text.find("?>\n") + 3));
    for (std::string line; std::getline(lines, line);) {
        compact += line.substr(line.find_first_not_of(' '));
    }
    return compact;
}

// The text without the part from begin to the end of the line that holds the
// next end after it; unchanged when begin is absent.
inline std::string Without(std::string text, const std::string& begin, const std::string& end) {
    const std::size_t first = text.find(begin);
    if (first == std::string::npos) {
        return text;
    }
    const std::size_t last = text.find('\n', text.find(end, first));
    return text.erase(first, last + 1 - first);
}

// The text without the first element of that tag.
inline std::string Without(const std::string& text, const std::string& tag) {
    return Without(text, "<" + tag + ">", "</" + tag + ">");
}

}  // namespace tw_test
