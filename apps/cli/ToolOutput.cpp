#include "apps/cli/ToolOutput.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <iostream>

#include "platform/MessageBox.h"
#include "platform/ReadNotes.h"

SLoadResult LoadForCommand(const std::string& path) {
    SLoadResult result = LoadConfiguration(path);
    for (const std::string& warning : result.result.warnings) {
        std::cerr << path << ": warning: " << warning << '\n';
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

bool OutputIsUtf8() {
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    const bool utf8 = codeset && std::strcmp(codeset, "UTF-8") == 0;
    std::setlocale(LC_CTYPE, "C");
    return utf8;
}
