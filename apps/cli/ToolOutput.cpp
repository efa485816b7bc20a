#include "apps/cli/ToolOutput.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstring>
#include <iostream>

#include "access/ConfigItems.h"
#include "access/ControlText.h"
#include "platform/MessageBox.h"
#include "platform/ReadNotes.h"

SLoadResult LoadForCommand(const std::string& path) {
    SLoadResult result = LoadConfiguration(path);
    for (const std::string& warning : result.result.warnings) {
        std::cerr << path << ": warning: " << EscapeControls(warning) << '\n';
    }
    return result;
}

int Fail(const std::string& file, const std::string& why) {
    return Fail(file, SIOResult::Failure(why));
}

int Fail(const std::string& file, const SIOResult& why) {
    std::cerr << Located(file, "", why) << '\n';
    return 1;
}

void Complain(const std::string& what) {
    std::cerr << kToolName << ": " << OneLine(what) << '\n';
}

int WriteFailed(const std::string& file, const SIOResult& result) {
    std::cerr << file << ": write error: " << OneLine(result.message) << '\n';
    return 1;
}

int SaveForCommand(const std::string& path, CCTD& ctd, bool force) {
    const SIOResult result = SaveConfiguration(path, ctd, force);
    return result ? 0 : WriteFailed(path, result);
}

void RouteLibraryMessagesToStderr() {
    s_bErrorToConsole = false;
    SetMessageBoxHandler([](const char* text, const char*, unsigned flags) {
        Complain(text);
        // What the message leaves out: the reason in full, or the log to
        // look in.
        if (const char* detail = TWMessageDetail(); *detail != '\0') {
            Complain(detail);
        }
        const unsigned buttons = flags & 0x000Fu;
        return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
    });
}

namespace {

// True when the terminal's character set (the locale's) is UTF-8.
bool OutputIsUtf8() {
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    const bool utf8 = codeset && std::strcmp(codeset, "UTF-8") == 0;
    std::setlocale(LC_CTYPE, "C");
    return utf8;
}

}  // namespace

CTerminalText::CTerminalText(bool raw)
    : m_escape(!raw && ::isatty(STDOUT_FILENO) == 1), m_utf8(!raw && OutputIsUtf8()) {}

std::string CTerminalText::Value(const std::string& bytes) const {
    return m_escape ? EscapeControls(bytes) : bytes;
}

std::string CTerminalText::Lines(const std::string& bytes) const {
    return m_escape ? EscapeControls(bytes, "\n") : bytes;
}

std::string CTerminalText::Out(const std::string& bytes) const {
    return m_utf8 ? Latin1ToUtf8(bytes) : bytes;
}
