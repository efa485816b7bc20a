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

const char*& CurrentDetail() {
    thread_local const char* detail = "";
    return detail;
}

}  // namespace

int TWMessageBox(const char* text, const char* caption, unsigned flags) {
    return TWMessageBox(text, caption, flags, MessageRoute::asHostAsks);
}

int TWMessageBox(const char* text, const char* caption, unsigned flags, MessageRoute route,
                 const char* detail) {
    ++s_messageCount;
    const MessageBoxHandler& handler = Handler();
    if ((s_bErrorToConsole && route == MessageRoute::asHostAsks) || !handler) {
        std::cerr << (text ? text : "") << '\n' << std::flush;
        const unsigned buttons = flags & 0x000Fu;
        return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
    }
    // The handler may show another message meanwhile; each sees its own.
    struct SDetailScope {
        const char* previous;
        explicit SDetailScope(const char* detail)
            : previous(std::exchange(CurrentDetail(), detail ? detail : "")) {}
        ~SDetailScope() { CurrentDetail() = previous; }
    } scope(detail);
    return handler(text ? text : "", caption ? caption : "", flags);
}

const char* TWMessageDetail() {
    return CurrentDetail();
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

long TWMessageCount() {
    return s_messageCount;
}
