#include "apps/cli/Stderr.h"

#include <iostream>

namespace {

std::string OneLine(std::string text) {
    for (char& ch : text) {
        if (ch == '\n' || ch == '\r') {
            ch = ' ';
        }
    }
    return text;
}

}  // namespace

void Complain(const std::string& what) {
    std::cerr << kToolName << ": " << OneLine(what) << '\n';
}

int WriteFailed(const std::string& file, const SIOResult& result) {
    std::cerr << file << ": write error: " << OneLine(result.message) << '\n';
    return 1;
}
