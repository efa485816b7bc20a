#include "platform/MessageBox.h"

#include <iostream>
#include <utility>

bool s_bErrorToConsole = false;

namespace {

// Each thread has its own handler and count: a host that reads on several
// threads at once watches each read's messages on the thread that reads.
MessageBoxHandler& Handler() {
    thread_local MessageBoxHandler handler;
    return handler;
}

thread_local long s_messageCount = 0;

int Show(const char* text, const char* caption, unsigned flags, bool toConsole) {
    ++s_messageCount;
    const MessageBoxHandler& handler = Handler();
    if (toConsole || !handler) {
        std::cerr << (text ? text : "") << '\n' << std::flush;
        const unsigned buttons = flags & 0x000Fu;
        return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
    }
    return handler(text ? text : "", caption ? caption : "", flags);
}

}  // namespace

int TWMessageBox(const char* text, const char* caption, unsigned flags) {
    return Show(text, caption, flags, s_bErrorToConsole);
}

int TWMessageBoxInBox(const char* text, const char* caption, unsigned flags) {
    return Show(text, caption, flags, false);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

long TWMessageCount() {
    return s_messageCount;
}
